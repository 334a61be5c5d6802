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
    default: return 0;
    }
}

const std::uint8_t* CopiedItems::item(int column, int row) const
{
    return bytes.data() + std::size_t(row * columns + column) * std::size_t(itemBytes(view));
}

std::uint8_t* CopiedItems::item(int column, int row)
{
    return bytes.data() + std::size_t(row * columns + column) * std::size_t(itemBytes(view));
}
