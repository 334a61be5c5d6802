#pragma once

// Which step buttons each view shows, with their labels and places in the editing
// area, and whether the view has the scroll bar.

#include <span>

#include "model/view_geometry.h"

struct ViewLayout {
    bool showsScrollBar;
    // The scroll maximum the view sets; views without the scroll bar keep the one of
    // the view shown before, and have 0 here.
    int scrollMax;
    // In the order the buttons are labelled and placed; every button not listed is
    // hidden.
    std::span<const StepButtonPlace> buttons;
};

// The layout of view 0 ("MAP") to 4 ("CHIP").
ViewLayout viewLayout(int view);
