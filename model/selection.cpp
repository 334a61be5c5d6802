#include "model/selection.h"

#include "model/stage_records.h"
#include "model/view_geometry.h"

SelectionGrid selectionGrid(int view)
{
    switch (view) {
    case kViewMap: return {kPageCount, 1};
    case kViewObject: return {kObjectSlots, 1};
    case kViewMapSet: return {8, 8};
    case kViewChipSet: return {kSheetColumns, kChipSetHalfRows};
    case kViewChip: return {kSheetColumns, kChipCount / kSheetColumns};
    default: return {};
    }
}
