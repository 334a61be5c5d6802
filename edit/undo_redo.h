#pragma once

class EDITOR;

// Undo and redo of the stage tables, for every path that edits them.

// Takes in what the user action just handled changed in the tables, as one step of
// the history. A mouse stroke stays one open step while a mouse button is held.
// The application calls this after every input it routes to the editor. It also ends
// a selection that the action left behind (see settleSelection).
void recordUserAction(EDITOR& editor);

// Undoes or redoes one step. When the step changed one stage only, that stage is
// shown, selected as the keyboard's stage change selects it; when it changed tiles, the
// stage of the first of them (the current one if it is among them) is shown and that
// tile becomes the current tile. The chip images follow
// the restored tables, and an object selection that no longer names a used slot goes
// back to slot 0. Nothing happens when there is no step.
void undoEdit(EDITOR& editor);
void redoEdit(EDITOR& editor);
