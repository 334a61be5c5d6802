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

void drawViewText(EDITOR& editor, int x, int y, std::string_view text)
{
    editor.host().drawText(editor.viewSurface, x, y, text);
}

void drawMapSetHalf(EDITOR& editor, int m, int left)
{
    const std::uint8_t* cells = editor.mapSet[editor.curStage][m];
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 8; ++row) {
            const Rect source = chipSetSheetRect(cells[column * 8 + row]);
            editor.viewSurface.copy(editor.chipSetSurface, source.x, source.y, source.width, source.height,
                                    left + 32 * column, 32 * row);
        }
    }
}

Rect chipSetSheetRect(int b)
{
    return {32 * (b % 16), 32 * (b / 16), 32, 32};
}

Rect chipSheetRect(int k)
{
    return {16 * (k % 16), 16 * (k / 16), 16, 16};
}

void clearViewAround(EDITOR& editor, std::initializer_list<Rect> uncovered)
{
    const bool fullSheets = editor.chipSurface.width() == 256 && editor.chipSurface.height() == 256 &&
                            editor.chipSetSurface.width() == 512 && editor.chipSetSurface.height() == 512;
    if (!fullSheets) {
        editor.viewSurface.fillAll(kBlack);
        return;
    }
    for (const Rect& rect : uncovered)
        editor.viewSurface.fill(rect, kBlack);
}

void drawMagnifierFrame(Surface& view)
{
    frameRect(view, kMagnifier.x - 1, kMagnifier.y - 1, kMagnifier.width + 1, kMagnifier.height + 1, kWhite);
}
