#pragma once

#include <span>

#include "model/editor.h"

// The 18 step buttons under the editing area, index 0 to 17. Which of them a view
// shows, their labels and places are in model/view_geometry.h; what each does is the
// table here, which onStepButton and the key reference both read.
inline constexpr int kStepButtonCount = 18;

using StepButtonAction = void (*)(EDITOR&);

struct StepButtonBinding {
    int index;  // the button, as stepButtonPlaces lists it for the view
    StepButtonAction action;
    const char* does;  // for the key reference, marked TEXT_NOOP("step_buttons", ...)
};

// The buttons of view 0 ("MAP") to 4 ("CHIP"); "MAP SET" has none.
std::span<const StepButtonBinding> stepButtonTable(int view);

// Runs the command of step button index in the current view. An index that the view
// does not use does nothing.
void onStepButton(EDITOR& editor, int index);
