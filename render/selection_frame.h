#pragma once

class EDITOR;

// Frames the items of the editor's selection that the current view shows, with a
// frame of black and white dashes that stands out on any colour. Draws nothing without
// a selection of the current view and stage, so the view is then exactly as before.
void drawSelectionFrame(EDITOR& editor);
