#pragma once

#include "model/selection.h"
#include "model/surface.h"

class EDITOR;

// A picture of the items of a selection of the current stage as the views draw them,
// for the clipboard: pages and map-set cells from the chip-set sheet, chip sets from
// it too, chips from the chip sheet, and objects marked on the pages they stand on.
// The sheets must be up to date, as they are after a refresh.
Surface selectionPicture(EDITOR& editor, const Selection& selection);
