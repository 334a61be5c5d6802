#include "render/selection_frame.h"

#include "model/editor.h"
#include "model/view_geometry.h"
#include "render/object_marker.h"

namespace {

constexpr int kDash = 4;
// Larger than an object's white marker, smaller than the current object's red frame.
constexpr int kObjectFramePixels = 40;

// Two rings of dashes, the inner one the inverse of the outer: every stretch of the
// frame has a black pixel beside a white one, whatever lies under it.
void dashedFrame(Surface& view, const Rect& rect)
{
    for (int ring = 0; ring < 2; ++ring) {
        const int left = rect.x + ring, top = rect.y + ring;
        const int right = rect.x + rect.width - 1 - ring, bottom = rect.y + rect.height - 1 - ring;
        auto dot = [&](int x, int y) {
            const bool dark = (((x + y) / kDash) & 1) != ring;
            view.setPixel(x, y, dark ? kBlack : kWhite);
        };
        for (int x = left; x <= right; ++x)
            dot(x, top), dot(x, bottom);
        for (int y = top + 1; y < bottom; ++y)
            dot(left, y), dot(right, y);
    }
}

// The cells of the selection in a grid of cellPixels at (left, top).
Rect cellsRect(const Selection& selection, int cellPixels, int left = 0, int top = 0)
{
    return {left + cellPixels * selection.left(), top + cellPixels * selection.top(), cellPixels * selection.columns(),
            cellPixels * selection.rows()};
}

void framePages(EDITOR& editor, const Selection& selection)
{
    // The halves that show selected pages lie side by side: one frame around them.
    int first = -1, last = -1;
    for (int h = 0; h < 2; ++h)
        if (selection.contains({0, editor.viewPos + h, 0})) {
            if (first < 0)
                first = h;
            last = h;
        }
    if (first >= 0)
        dashedFrame(editor.viewSurface, {kPagePixels * first, 0, kPagePixels * (last - first + 1), kPagePixels});
}

void frameObjects(EDITOR& editor, const Selection& selection)
{
    for (int slot = selection.left(); slot < selection.left() + selection.columns(); ++slot) {
        const ObjectRecord& record = editor.object[editor.curStage][slot];
        const int h = record.page - editor.viewPos;
        if (!record.isUsed() || h < 0 || h > 1)
            continue;
        const int x = kPagePixels * h + record.x;
        const int y = markerCentreY(record.y);
        dashedFrame(editor.viewSurface,
                    {x - kObjectFramePixels / 2, y - kObjectFramePixels / 2, kObjectFramePixels, kObjectFramePixels});
    }
}

}  // namespace

void drawSelectionFrame(EDITOR& editor)
{
    const Selection& selection = editor.selection;
    if (selection.view != editor.curTab || selection.stage != editor.curStage)
        return;
    switch (editor.curTab) {
    case kViewMap: framePages(editor, selection); break;
    case kViewObject: frameObjects(editor, selection); break;
    case kViewMapSet:
        for (int h = 0; h < 2; ++h)
            if (editor.viewPos + h == selection.group())
                dashedFrame(editor.viewSurface, cellsRect(selection, kChipSetPixels, kPagePixels * h));
        break;
    case kViewChipSet:
        if (((editor.curChipSet & kChipSetHalfBit) != 0) == (selection.group() == 1))
            dashedFrame(editor.viewSurface, cellsRect(selection, kChipSetPixels));
        break;
    case kViewChip: dashedFrame(editor.viewSurface, cellsRect(selection, kChipPixels)); break;
    default: break;
    }
}
