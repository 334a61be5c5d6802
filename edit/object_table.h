#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/stage_records.h"
#include "text/translation.h"

class EDITOR;

// The current stage's objects as a table of rows, one per used slot in slot order, with
// values that can be typed in. Every change goes through the editor's tables, so the
// history records it as one step of the user action that typed it.

enum class ObjectColumn { Slot, Page, X, Y, Data, Name };
inline constexpr int kObjectColumnCount = 6;
// Shown as translated("object_table", title).
inline constexpr const char* kObjectColumnTitles[kObjectColumnCount] = {
    TEXT_NOOP("object_table", "slot"), TEXT_NOOP("object_table", "page"), TEXT_NOOP("object_table", "x"),
    TEXT_NOOP("object_table", "y"),    TEXT_NOOP("object_table", "data"), TEXT_NOOP("object_table", "name")};

struct ObjectRow {
    int slot = 0;
    ObjectRecord record{};
    const std::string* name = nullptr;  // the data value's name, when names are known
};

std::vector<ObjectRow> objectRows(const EDITOR& editor);

// The text of a cell: numbers as two hexadecimal digits, the name as it is ("" when
// it has none).
std::string objectCellText(const ObjectRow& row, ObjectColumn column);

// Whether the column's values can be typed: page, x, y and data.
bool isTypedObjectColumn(ObjectColumn column);

// Puts the value typed in text (one or two hexadecimal digits) into column of the
// object in slot, makes that object current and shows it as stepping to it would. A
// text that is no value, or a value out of the column's range (a page beyond 2F would
// free the slot), is refused: the reason is returned and nothing changes.
std::optional<std::string> typeObjectValue(EDITOR& editor, int slot, ObjectColumn column, std::string_view text);

// Makes the object in slot current and scrolls the main view to it, as stepping to it
// does. A slot that holds no object changes nothing.
void chooseObject(EDITOR& editor, int slot);
