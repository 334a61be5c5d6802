#include "usage/item_uses.h"

#include <cstdio>

#include "model/editor.h"
#include "text/translation.h"

namespace {

constexpr int kCellsPerColumn = 8;
constexpr const char* kQuadrantNames[4] = {TEXT_NOOP("item_uses", "top-left"), TEXT_NOOP("item_uses", "top-right"),
                                           TEXT_NOOP("item_uses", "bottom-left"),
                                           TEXT_NOOP("item_uses", "bottom-right")};

std::string hex2(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%.2X", unsigned(value) & 0xFFu);
    return text;
}

}  // namespace

int itemCount(ItemKind kind)
{
    return kind == ItemKind::MapSet ? kMapSetCount : kChipSetCount;
}

std::string itemName(ItemKind kind, int item)
{
    switch (kind) {
    case ItemKind::MapSet: return fillIn(translated("item_uses", "map set %1"), {hex2(item)});
    case ItemKind::ChipSet: return fillIn(translated("item_uses", "chip set %1"), {hex2(item)});
    case ItemKind::Chip: return fillIn(translated("item_uses", "chip %1"), {hex2(item)});
    case ItemKind::Tile: break;
    }
    return fillIn(translated("item_uses", "tile %1"), {hex2(item)});
}

std::vector<ItemUse> usesOf(const EDITOR& editor, int stage, ItemKind kind, int item)
{
    std::vector<ItemUse> uses;
    if (stage < 0 || stage >= kStageCount)
        return uses;
    switch (kind) {
    case ItemKind::MapSet:
        for (int page = 0; page < kPageCount; ++page)
            if (editor.pageSet[stage][page] == item)
                uses.push_back({page, 0, 0, 0});
        break;
    case ItemKind::ChipSet:
        for (int mapSet = 0; mapSet < kMapSetCount; ++mapSet)
            for (int row = 0; row < kCellsPerColumn; ++row)
                for (int column = 0; column < kCellsPerColumn; ++column)
                    if (editor.mapSet[stage][mapSet][column * kCellsPerColumn + row] == item)
                        uses.push_back({mapSet, column, row, 0});
        break;
    case ItemKind::Chip:
        for (int chipSet = 0; chipSet < kChipSetCount; ++chipSet)
            for (int quadrant = 0; quadrant < 4; ++quadrant)
                if (editor.chipSet[stage][chipSet][quadrant] == item)
                    uses.push_back({chipSet, 0, 0, quadrant});
        break;
    case ItemKind::Tile: break;
    }
    return uses;
}

int useOrder(ItemKind kind, const ItemUse& use)
{
    if (kind == ItemKind::ChipSet)
        return (use.holder * kCellsPerColumn + use.row) * kCellsPerColumn + use.column;
    return use.holder;
}

std::string useName(ItemKind kind, const ItemUse& use)
{
    switch (kind) {
    case ItemKind::MapSet: return fillIn(translated("item_uses", "page %1"), {hex2(use.holder)});
    case ItemKind::ChipSet:
        return fillIn(translated("item_uses", "map set %1, column %2, row %3"),
                      {hex2(use.holder), std::to_string(use.column), std::to_string(use.row)});
    case ItemKind::Chip:
        return fillIn(translated("item_uses", "chip set %1, quadrant %2 (%3)"),
                      {hex2(use.holder), std::to_string(use.quadrant),
                       translated("item_uses", kQuadrantNames[use.quadrant & 3])});
    case ItemKind::Tile: break;
    }
    return fillIn(translated("item_uses", "chip %1, quadrant %2"), {hex2(use.holder), std::to_string(use.quadrant)});
}
