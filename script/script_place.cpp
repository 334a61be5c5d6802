#include "script/script_place.h"

#include <string>

#include "edit/object_table.h"
#include "edit/usage_jump.h"
#include "edit/view_choice.h"
#include "model/editor.h"
#include "script/checked_tables.h"
#include "text/translation.h"

namespace {

// missing (%1 the number, %2 the last there is) says the part does not exist; the texts
// are those of the tables' own checks.
void checkPart(const char* missing, int number, int count)
{
    if (number < 0 || number >= count)
        throw TableAccessError(
            fillIn(translated("checked_tables", missing), {std::to_string(number), std::to_string(count - 1)}));
}

}  // namespace

void checkPlace(const ScriptPlace& place)
{
    checkStage(place.stage);
    using Kind = ScriptPlace::Kind;
    switch (place.kind) {
    case Kind::Page:
        checkPart(TEXT_NOOP("checked_tables", "there is no page %1 (0 to %2)"), place.number, kPageCount);
        break;
    case Kind::Cell:
        checkPart(TEXT_NOOP("checked_tables", "there is no map set %1 (0 to %2)"), place.number, kMapSetCount);
        checkPart(TEXT_NOOP("checked_tables", "there is no column %1 (0 to %2)"), place.column, 8);
        checkPart(TEXT_NOOP("checked_tables", "there is no row %1 (0 to %2)"), place.row, 8);
        break;
    case Kind::Quadrant:
        checkPart(TEXT_NOOP("checked_tables", "there is no chip set %1 (0 to %2)"), place.number, kChipSetCount);
        checkPart(TEXT_NOOP("checked_tables", "there is no quadrant %1 (0 to %2)"), place.quadrant, 4);
        break;
    case Kind::Object:
        checkPart(TEXT_NOOP("checked_tables", "there is no slot %1 (0 to %2)"), place.number, kObjectSlots);
        break;
    case Kind::ChipSet:
        checkPart(TEXT_NOOP("checked_tables", "there is no chip set %1 (0 to %2)"), place.number, kChipSetCount);
        break;
    case Kind::Chip:
        checkPart(TEXT_NOOP("checked_tables", "there is no chip %1 (0 to %2)"), place.number, kChipCount);
        break;
    case Kind::Tile:
        checkPart(TEXT_NOOP("checked_tables", "there is no tile %1 (0 to %2)"), place.number, kTileCount);
        break;
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
