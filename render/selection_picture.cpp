#include "render/selection_picture.h"

#include <algorithm>

#include "model/editor.h"
#include "model/view_geometry.h"
#include "render/object_marker.h"
#include "render/view_drawing.h"

namespace {

void copyChipSet(EDITOR& editor, Surface& picture, int b, int x, int y)
{
    const Rect source = chipSetSheetRect(b);
    picture.copy(editor.chipSetSurface, source.x, source.y, source.width, source.height, x, y);
}

// Page p as "MAP" draws it, with its left edge at x; black when its map set is none.
void drawPage(EDITOR& editor, Surface& picture, int p, int x)
{
    const int m = editor.pageSet[editor.curStage][p];
    if (m >= kMapSetCount)
        return;
    const std::uint8_t* cells = editor.mapSet[editor.curStage][m];
    for (int column = 0; column < 8; ++column)
        for (int row = 0; row < 8; ++row)
            copyChipSet(editor, picture, cells[column * 8 + row], x + kChipSetPixels * column, kChipSetPixels * row);
}

Surface objectsPicture(EDITOR& editor, const Selection& selection)
{
    const ObjectRecord* list = editor.object[editor.curStage];
    int first = kPageCount, last = -1;
    for (int slot = selection.left(); slot < selection.left() + selection.columns(); ++slot)
        if (list[slot].isUsed())
            first = std::min<int>(first, list[slot].page), last = std::max<int>(last, list[slot].page);
    if (last < 0)
        return {};
    Surface picture(kPagePixels * (last - first + 1), kPagePixels);
    for (int p = first; p <= last; ++p)
        drawPage(editor, picture, p, kPagePixels * (p - first));
    for (int slot = selection.left(); slot < selection.left() + selection.columns(); ++slot)
        if (list[slot].isUsed())
            drawObjectMarker(editor, picture, kPagePixels * (list[slot].page - first), list[slot], false);
    return picture;
}

}  // namespace

Surface selectionPicture(EDITOR& editor, const Selection& selection)
{
    // Pages, chip sets and chips off the view are drawn from the whole sheets.
    editor.catchUpSheets();
    const int columns = selection.columns(), rows = selection.rows();
    switch (selection.view) {
    case kViewMap: {
        Surface picture(kPagePixels * columns, kPagePixels);
        for (int i = 0; i < columns; ++i)
            drawPage(editor, picture, selection.left() + i, kPagePixels * i);
        return picture;
    }
    case kViewObject: return objectsPicture(editor, selection);
    case kViewMapSet: {
        Surface picture(kChipSetPixels * columns, kChipSetPixels * rows);
        const std::uint8_t* cells = editor.mapSet[editor.curStage][selection.group()];
        for (int c = 0; c < columns; ++c)
            for (int r = 0; r < rows; ++r)
                copyChipSet(editor, picture, cells[(selection.left() + c) * 8 + selection.top() + r],
                            kChipSetPixels * c, kChipSetPixels * r);
        return picture;
    }
    case kViewChipSet: {
        Surface picture(kChipSetPixels * columns, kChipSetPixels * rows);
        const int half = selection.group() * kChipSetCount / 2;
        for (int c = 0; c < columns; ++c)
            for (int r = 0; r < rows; ++r)
                copyChipSet(editor, picture, half + (selection.top() + r) * kSheetColumns + selection.left() + c,
                            kChipSetPixels * c, kChipSetPixels * r);
        return picture;
    }
    case kViewChip: {
        Surface picture(kChipPixels * columns, kChipPixels * rows);
        for (int c = 0; c < columns; ++c)
            for (int r = 0; r < rows; ++r) {
                const Rect source = chipSheetRect((selection.top() + r) * kSheetColumns + selection.left() + c);
                picture.copy(editor.chipSurface, source.x, source.y, source.width, source.height, kChipPixels * c,
                             kChipPixels * r);
            }
        return picture;
    }
    default: return {};
    }
}
