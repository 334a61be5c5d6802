#pragma once

#include <algorithm>

// A selection of several items of one view of one stage: a rectangle of map-set cells,
// chip sets or chips, or a run of pages or object slots.
//
// Items are placed on the grid of the view's unit: "MAP" pages 0 to 47 and "OBJECT"
// slots 0 to 63 in one row; "MAP SET" the 8 x 8 cells of one map set (the group);
// "CHIP SET" the 16 x 8 chip sets of one half (group 0 for the first 128, 1 for the
// others); "CHIP" the 16 x 16 chips. A selection never leaves the group of its anchor.

struct SelectionPoint {
    int group = 0;
    int column = 0;
    int row = 0;
    friend bool operator==(const SelectionPoint&, const SelectionPoint&) = default;
};

// The columns and rows of the grid of a view's unit; 0 x 0 for any other view.
struct SelectionGrid {
    int columns = 0;
    int rows = 0;
};
SelectionGrid selectionGrid(int view);

struct Selection {
    static constexpr int kNone = -1;

    int view = kNone;  // the view it belongs to, kNone when nothing is selected
    int stage = 0;
    SelectionPoint anchor;
    SelectionPoint end;      // the corner that moves; in the anchor's group
    bool extending = false;  // after V: the keys that move the current item move the end
    bool dragging = false;   // a drag of the mouse with Shift is under way
    // Counts the selections made, and the count the last finished user action saw, so
    // that the end of an action can tell whether the action made one.
    unsigned serial = 0;
    unsigned settledSerial = 0;

    bool exists() const { return view != kNone; }
    int group() const { return anchor.group; }
    int left() const { return std::min(anchor.column, end.column); }
    int top() const { return std::min(anchor.row, end.row); }
    int columns() const { return std::max(anchor.column, end.column) - left() + 1; }
    int rows() const { return std::max(anchor.row, end.row) - top() + 1; }
    int count() const { return columns() * rows(); }
    bool contains(const SelectionPoint& point) const
    {
        return point.group == group() && point.column >= left() && point.column < left() + columns() &&
            point.row >= top() && point.row < top() + rows();
    }
};
