#include "edit/map_set_cursor.h"

std::uint8_t* cellUnderCursor(EDITOR& editor)
{
    if (editor.cursorCol < 0 || editor.cursorCol >= kCursorColumns || editor.cursorRow < 0 ||
        editor.cursorRow >= kMapSetRows)
        return nullptr;
    const bool rightMapSet = editor.cursorCol >= kMapSetColumns;
    const int mapSetIndex = editor.viewPos + (rightMapSet ? 1 : 0);
    if (mapSetIndex < 0 || mapSetIndex >= kMapSetCount)
        return nullptr;
    const int column = editor.cursorCol % kMapSetColumns;
    return &editor.mapSet[editor.curStage][mapSetIndex][column * kMapSetRows + editor.cursorRow];
}

void paintCursorCell(EDITOR& editor)
{
    if (std::uint8_t* cell = cellUnderCursor(editor))
        *cell = static_cast<std::uint8_t>(editor.curChipSet);
}

void pickCursorCell(EDITOR& editor)
{
    if (const std::uint8_t* cell = cellUnderCursor(editor))
        editor.curChipSet = *cell;
}
