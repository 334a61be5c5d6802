#include "render/view_drawing.h"

#include <cstdio>

#include "model/editor.h"
#include "render/frame_rect.h"

std::string hexText(std::string_view label, unsigned value, int digits)
{
    char formatted[16];
    std::snprintf(formatted, sizeof formatted, "%.*X", digits, value);
    std::string text(label);
    text += formatted;
    text.resize(label.size() + std::size_t(digits));
    return text;
}

bool viewTextMayShow(const EDITOR& editor, int x, int y)
{
    const Rect area = editor.viewSurface.drawableArea();
    return y < area.y + area.height && x < area.x + area.width;
}

void drawViewText(EDITOR& editor, int x, int y, std::string_view text)
{
    if (viewTextMayShow(editor, x, y))
        editor.host().drawText(editor.viewSurface, x, y, text);
}

void drawViewHex(EDITOR& editor, int x, int y, std::string_view label, unsigned value, int digits)
{
    if (viewTextMayShow(editor, x, y))
        editor.host().drawText(editor.viewSurface, x, y, hexText(label, value, digits));
}

void drawMapSetHalf(EDITOR& editor, int m, int left)
{
    const std::uint8_t* cells = editor.mapSet[editor.curStage][m];
    // A frame that redraws a few parts of the view passes over the cells outside them.
    const Rect area = editor.viewSurface.drawableArea();
    for (int column = 0; column < 8; ++column) {
        const int x = left + kChipSetPixels * column;
        if (x >= area.x + area.width || x + kChipSetPixels <= area.x)
            continue;
        for (int row = 0; row < 8; ++row) {
            const int y = kChipSetPixels * row;
            if (y >= area.y + area.height || y + kChipSetPixels <= area.y)
                continue;
            const Rect source = chipSetSheetRect(cells[column * 8 + row]);
            editor.viewSurface.copy(editor.chipSetSurface, source.x, source.y, source.width, source.height, x, y);
        }
    }
}

Rect chipSetSheetRect(int b)
{
    return sheetCell(b, kChipSetPixels);
}

Rect chipSheetRect(int k)
{
    return sheetCell(k, kChipPixels);
}

bool hasFullSizeSheets(const EDITOR& editor)
{
    return editor.chipSurface.width() == kChipSheetPixels && editor.chipSurface.height() == kChipSheetPixels &&
        editor.chipSetSurface.width() == kChipSetSheetPixels && editor.chipSetSurface.height() == kChipSetSheetPixels;
}

void clearViewAround(EDITOR& editor, std::initializer_list<Rect> uncovered)
{
    if (!hasFullSizeSheets(editor)) {
        editor.viewSurface.fillAll(kBlack);
        return;
    }
    for (const Rect& rect : uncovered)
        editor.viewSurface.fill(rect, kBlack);
}

void outlineBorder(Surface& view, const Rect& rect)
{
    frameRect(view, rect.x, rect.y, rect.width - 1, rect.height - 1, kWhite);
}

void outlineOutside(Surface& view, const Rect& rect)
{
    frameRect(view, rect.x - 1, rect.y - 1, rect.width + 1, rect.height + 1, kWhite);
}

void drawMagnifierFrame(Surface& view)
{
    outlineOutside(view, kMagnifier);
}
