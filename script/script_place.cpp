#include "script/script_place.h"

#include <string>

#include "edit/object_table.h"
#include "edit/usage_jump.h"
#include "edit/view_choice.h"
#include "model/editor.h"
#include "script/checked_tables.h"

namespace {

void checkPart(const char* what, int number, int count)
{
    if (number < 0 || number >= count)
        throw TableAccessError("there is no " + std::string(what) + " " + std::to_string(number) + " (0 to " +
                               std::to_string(count - 1) + ")");
}

}  // namespace

void checkPlace(const ScriptPlace& place)
{
    checkStage(place.stage);
    using Kind = ScriptPlace::Kind;
    switch (place.kind) {
    case Kind::Page: checkPart("page", place.number, kPageCount); break;
    case Kind::Cell:
        checkPart("map set", place.number, kMapSetCount);
        checkPart("column", place.column, 8);
        checkPart("row", place.row, 8);
        break;
    case Kind::Quadrant:
        checkPart("chip set", place.number, kChipSetCount);
        checkPart("quadrant", place.quadrant, 4);
        break;
    case Kind::Object: checkPart("slot", place.number, kObjectSlots); break;
    case Kind::ChipSet: checkPart("chip set", place.number, kChipSetCount); break;
    case Kind::Chip: checkPart("chip", place.number, kChipCount); break;
    case Kind::Tile: checkPart("tile", place.number, kTileCount); break;
    }
}

void showPlace(EDITOR& editor, const ScriptPlace& place)
{
    if (editor.curStage != place.stage)
        chooseStage(editor, place.stage);
    using Kind = ScriptPlace::Kind;
    switch (place.kind) {
    case Kind::Page: goToUse(editor, ItemKind::MapSet, {place.number}); break;
    case Kind::Cell: goToUse(editor, ItemKind::ChipSet, {place.number, place.column, place.row}); break;
    case Kind::Quadrant: goToUse(editor, ItemKind::Chip, {place.number, 0, 0, place.quadrant}); break;
    case Kind::Object:
        chooseView(editor, kViewObject);
        chooseObject(editor, place.number);
        break;
    case Kind::ChipSet:
        chooseView(editor, kViewChipSet);
        editor.curChipSet = place.number;
        break;
    case Kind::Chip:
        chooseView(editor, kViewChip);
        editor.curChip = place.number;
        break;
    case Kind::Tile:
        chooseView(editor, kViewChip);
        editor.curTile = place.number;
        break;
    }
}
