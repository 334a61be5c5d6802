#include "shell/main_window/step_button_layout.h"

#include <stdexcept>

#include "model/stage_records.h"

namespace {
constexpr int kPagesScrollMax = 46;    // left page 0 to 46 of 48
constexpr int kMapSetsScrollMax = 30;  // left map set 0 to 30 of 32
}  // namespace

ViewLayout viewLayout(int view)
{
    switch (view) {
    case kViewMap:
    case kViewObject: return {true, kPagesScrollMax, stepButtonPlaces(view)};
    case kViewMapSet: return {true, kMapSetsScrollMax, stepButtonPlaces(view)};
    case kViewChipSet:
    case kViewChip: return {false, 0, stepButtonPlaces(view)};
    default: throw std::out_of_range("no such view");
    }
}
