#pragma once

#include <optional>
#include <span>

#include "model/editor.h"
#include "model/surface.h"

// The parts of each view that the mouse acts on, as a table that both onMouse and the
// key and mouse reference read. Positions in no area of the current view do nothing.

// x and y are editing-area coordinates inside the area.
using MouseAction = void (*)(EDITOR&, int x, int y);
// The item of the view's selection grid under (x, y), which lies in the area; nothing
// where there is no item.
using ItemAt = std::optional<SelectionPoint> (*)(const EDITOR&, int x, int y);

struct MouseArea {
    // The texts are marked TEXT_NOOP("mouse_editing", ...) and shown translated.
    const char* name;  // for the reference, e.g. "the chip sheet"
    Rect area;
    // Runs at every position over the area, whatever the buttons, before them.
    MouseAction pointer;
    const char* pointerDoes;
    // When both buttons are held, only the left one acts.
    MouseAction left;
    const char* leftDoes;
    MouseAction right;
    const char* rightDoes;
    // A drag with Shift held selects the rectangle of items from the press to the
    // release instead of the buttons' actions. Areas without one act alike with Shift.
    ItemAt shiftDrag = nullptr;
    const char* shiftDragDoes = nullptr;
};

// The areas of view 0 ("MAP") to 4 ("CHIP"); "MAP" has none.
std::span<const MouseArea> mouseAreas(int view);
