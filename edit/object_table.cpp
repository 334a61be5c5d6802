#include "edit/object_table.h"

#include <cstdio>

#include "model/editor.h"
#include "model/hex_digit.h"
#include "text/translation.h"

namespace {

constexpr int kLastPage = kPageCount - 1;

std::optional<int> typedByte(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty() || text.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (hexDigitValue(c) < 0)
            return std::nullopt;
        value = value * 16 + hexDigitValue(c);
    }
    return value;
}

std::string hex2(int value)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", unsigned(value & 0xFF));
    return text;
}

}  // namespace

std::vector<ObjectRow> objectRows(const EDITOR& editor)
{
    std::vector<ObjectRow> rows;
    const int stage = editor.curStage;
    if (stage < 0 || stage >= kStageCount)
        return rows;
    for (int slot = 0; slot < kObjectSlots; ++slot) {
        const ObjectRecord& record = editor.object[stage][slot];
        // The used slots come first; a free one ends the list.
        if (!record.isUsed())
            break;
        rows.push_back({slot, record, editor.objectNames.find(stage, record.data)});
    }
    return rows;
}

std::string objectCellText(const ObjectRow& row, ObjectColumn column)
{
    switch (column) {
    case ObjectColumn::Slot: return hex2(row.slot);
    case ObjectColumn::Page: return hex2(row.record.page);
    case ObjectColumn::X: return hex2(row.record.x);
    case ObjectColumn::Y: return hex2(row.record.y);
    case ObjectColumn::Data: return hex2(row.record.data);
    case ObjectColumn::Name: return row.name ? *row.name : std::string();
    }
    return {};
}

bool isTypedObjectColumn(ObjectColumn column)
{
    return column == ObjectColumn::Page || column == ObjectColumn::X || column == ObjectColumn::Y ||
        column == ObjectColumn::Data;
}

std::optional<std::string> typeObjectValue(EDITOR& editor, int slot, ObjectColumn column, std::string_view text)
{
    if (!isTypedObjectColumn(column))
        return translated("object_table", "Only the page, x, y and data can be typed.");
    if (editor.curStage < 0 || editor.curStage >= kStageCount || slot < 0 || slot >= kObjectSlots ||
        !editor.object[editor.curStage][slot].isUsed())
        return translated("object_table", "There is no object in that slot.");
    const std::optional<int> value = typedByte(text);
    if (!value)
        return translated("object_table", "Type a value as two hexadecimal digits, 00 to FF.");
    if (column == ObjectColumn::Page && *value > kLastPage)
        return translated("object_table", "The page must be 00 to 2F.");

    ObjectRecord& record = editor.object[editor.curStage][slot];
    const auto byte = static_cast<std::uint8_t>(*value);
    switch (column) {
    case ObjectColumn::Page: record.page = byte; break;
    case ObjectColumn::X: record.x = byte; break;
    case ObjectColumn::Y: record.y = byte; break;
    case ObjectColumn::Data: record.data = byte; break;
    default: break;
    }
    chooseObject(editor, slot);
    return std::nullopt;
}

void chooseObject(EDITOR& editor, int slot)
{
    if (editor.curStage < 0 || editor.curStage >= kStageCount || slot < 0 || slot >= kObjectSlots ||
        !editor.object[editor.curStage][slot].isUsed())
        return;
    editor.curObject = slot;
    // A step of nothing keeps the object and scrolls so that its page is shown.
    editor.stepObject(0);
}
