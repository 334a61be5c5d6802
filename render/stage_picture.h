#pragma once

#include "model/surface.h"

class EDITOR;

// Pictures of a whole stage and of its sheets, drawn by the views' own drawing code so
// that they show exactly what the editor shows.

// Brings editor to its first frame after opening the image with stage on show in
// palette set paletteSet: the selections applied as at start-up, the palette
// animations from their beginning as in a freshly started editor, and one refresh of
// the "MAP" view. The chip and chip-set sheets and the current palette then hold the
// colours of that frame. stage must be 0 to 15 and paletteSet 0 to 3.
void showFirstFrame(EDITOR& editor, int stage, int paletteSet);

// The current stage's 48 pages side by side, 12,288 x 256, each as the "MAP" view
// draws it. With objects, every used object is marked as the "OBJECT" view marks it,
// but none is marked as selected, and labelled with its name when names are known. The
// view surface is drawn over on the way.
Surface stagePicture(EDITOR& editor, bool withObjects);
