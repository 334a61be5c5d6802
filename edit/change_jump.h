#pragma once

struct ChangeItem;
class EDITOR;

// Shows a change as the usage window's jumps show a use: its stage, the view that edits
// its table, scrolled there, with its item current (the page as the left page, the map
// set cell under the cursor, the chip set, chip, tile or object selected, the palette
// set chosen).
void goToChange(EDITOR& editor, const ChangeItem& item);
