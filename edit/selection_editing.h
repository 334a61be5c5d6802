#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "model/editor.h"

// Making, extending and ending the selection of the current view, and keeping it true
// to the tables as the user goes on.

// The current item of the current view as a point of its selection grid: the left
// page shown, the selected object (when its slot is used), the cursor cell (when its
// map set exists), curChipSet, curChip. Nothing in any other case.
std::optional<SelectionPoint> currentItem(const EDITOR& editor);

// The editor's selection when it belongs to the current view and stage, else nullptr.
const Selection* activeSelection(const EDITOR& editor);

// V: anchors a new selection at the current item, whose moves then extend it; while
// it is being extended, V stops extending and leaves it as it is.
void toggleSelecting(EDITOR& editor);
// Escape.
void endSelection(EDITOR& editor);
// Ctrl+A: the whole unit of the current view (the map set under the cursor, the half
// sheet shown, all chips, all pages, all used objects).
void selectWholeUnit(EDITOR& editor);
// Selects the rectangle from anchor to end, in the anchor's group, as a new selection.
void selectRange(EDITOR& editor, SelectionPoint anchor, SelectionPoint end);

// After a key or a scroll: a selection being extended takes the current item as its
// end, kept in the anchor's group, when the action moved the current item away from
// before. Whatever else moved the item (a step button, a combo box) extends nothing,
// and neither does a later action that leaves the item where it is.
void followCurrentItem(EDITOR& editor, const std::optional<SelectionPoint>& before);

// Mouse with Shift: starts a rectangle at the item under the pointer, or moves the end
// of the one being dragged to it; the item is clamped into the grid, so a drag that
// leaves the area still ends on its edge.
void dragSelection(EDITOR& editor, std::optional<SelectionPoint> item);

// After every user action, before the history takes in its changes: a selection of
// another view or stage, or one whose items an edit has left behind by changing the
// tables outside it, ends. An action that made a new selection keeps it. A selection
// of objects keeps to the used slots: it shrinks when its last objects are erased.
void settleSelection(EDITOR& editor);

// Ends the selection when the tables differ from `before` outside it: for undo and
// redo, which the history has already taken in when the action is settled.
void endSelectionIfChangedOutside(EDITOR& editor, std::span<const std::uint8_t> before);

// Whether byte of the editor's editable tables belongs to an item of selection.
bool selectionHoldsByte(const EDITOR& editor, const Selection& selection, const std::uint8_t* byte);

// The table index of the item at point in view: page, slot, cell of the point's map
// set, chip set or chip number.
int itemIndex(int view, const SelectionPoint& point);
