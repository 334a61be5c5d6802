#pragma once

class EDITOR;

// A place a script asks the editor to show: a use of an item, as a jump of the usage
// window shows it (a page in "MAP", a map-set cell in "MAP SET", a chip-set quadrant
// in "CHIP SET"), or an item made current (an object, chip set, chip or tile).
struct ScriptPlace {
    enum class Kind { Page, Cell, Quadrant, Object, ChipSet, Chip, Tile };
    Kind kind = Kind::Page;
    int stage = 0;
    int number = 0;    // the page, map set, chip set, slot, chip or tile
    int column = 0;    // Cell
    int row = 0;       // Cell
    int quadrant = 0;  // Quadrant
};

// Refuses a place that does not exist with a TableAccessError saying why.
void checkPlace(const ScriptPlace& place);

// Shows the stage of the place and the place in it, as the usage window's jump and the
// keyboard's stage change do.
void showPlace(EDITOR& editor, const ScriptPlace& place);
