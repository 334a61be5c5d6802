#pragma once

#include "model/editor.h"

// The 18 step buttons under the editing area, index 0 to 17. Which of them a view
// shows, their labels and places are in model/view_geometry.h.
inline constexpr int kStepButtonCount = 18;

// Runs the command of step button index in the current view. An index that the view
// does not use does nothing.
void onStepButton(EDITOR& editor, int index);
