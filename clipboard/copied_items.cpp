#include "clipboard/copied_items.h"

#include "model/stage_records.h"

int itemBytes(int view)
{
    switch (view) {
    case kViewMap: return 1;
    case kViewObject: return int(sizeof(ObjectRecord));
    case kViewMapSet: return 1;
    case kViewChipSet: return 4;
    case kViewChip: return int(sizeof(ChipRecord));
    case kSubPaletteItems: return 5;
    case kTileItems: return kTileValues;
    default: return 0;
    }
}

const char* itemKindName(int kind)
{
    static_assert(kSubPaletteItems == kViewCount, "sub-palettes follow the views");
    if (kind == kSubPaletteItems)
        return "SUB-PALETTES";
    if (kind == kTileItems)
        return "TILES";
    return kind >= 0 && kind < kViewCount ? kViewNames[kind] : "";
}

const std::uint8_t* CopiedItems::item(int column, int row) const
{
    return bytes.data() + std::size_t(row * columns + column) * std::size_t(itemBytes(view));
}

std::uint8_t* CopiedItems::item(int column, int row)
{
    return bytes.data() + std::size_t(row * columns + column) * std::size_t(itemBytes(view));
}
