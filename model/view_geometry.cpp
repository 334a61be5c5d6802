#include "model/view_geometry.h"

#include "model/stage_records.h"

namespace {

// Two columns of "+1"/"-1" and "+4"/"-4" under the left and the right page.
constexpr std::array<StepButtonPlace, 8> kMapButtons{{
    {0, "+1", {128, 320, 40, 16}},
    {1, "-1", {128, 336, 40, 16}},
    {2, "+1", {384, 320, 40, 16}},
    {3, "-1", {384, 336, 40, 16}},
    {4, "+4", {168, 320, 40, 16}},
    {5, "-4", {168, 336, 40, 16}},
    {6, "+4", {424, 320, 40, 16}},
    {7, "-4", {424, 336, 40, 16}},
}};

// One row of "-8" "-1" "+1" "+8" per object field, "Del" and "Ins" after the first.
constexpr std::array<StepButtonPlace, 18> kObjectButtons{{
    {0, "-1", {208, 280, 20, 20}},
    {1, "+1", {228, 280, 20, 20}},
    {2, "-8", {188, 280, 20, 20}},
    {3, "+8", {248, 280, 20, 20}},
    {4, "-1", {208, 328, 20, 20}},
    {5, "+1", {228, 328, 20, 20}},
    {14, "-8", {188, 328, 20, 20}},
    {15, "+8", {248, 328, 20, 20}},
    {6, "-1", {208, 352, 20, 20}},
    {7, "+1", {228, 352, 20, 20}},
    {16, "-8", {188, 352, 20, 20}},
    {17, "+8", {248, 352, 20, 20}},
    {8, "-1", {208, 376, 20, 20}},
    {9, "+1", {228, 376, 20, 20}},
    {10, "-8", {188, 376, 20, 20}},
    {11, "+8", {248, 376, 20, 20}},
    {12, "Del", {288, 280, 24, 20}},
    {13, "Ins", {312, 280, 24, 20}},
}};

constexpr std::array<StepButtonPlace, 1> kChipSetButtons{{
    {0, "set change", {0, 257, 72, 20}},
}};

// "+4" "+1" "-1" "-4" under "change".
constexpr std::array<StepButtonPlace, 5> kChipButtons{{
    {0, "change", {320, 288, 48, 20}},
    {1, "+1", {340, 320, 20, 20}},
    {2, "-1", {360, 320, 20, 20}},
    {3, "+4", {320, 320, 20, 20}},
    {4, "-4", {380, 320, 20, 20}},
}};

template <std::size_t N>
constexpr std::array<Rect, N> rectsOf(const std::array<StepButtonPlace, N>& buttons)
{
    std::array<Rect, N> rects{};
    for (std::size_t i = 0; i < N; ++i)
        rects[i] = buttons[i].rect;
    return rects;
}

constexpr auto kMapButtonRects = rectsOf(kMapButtons);
constexpr auto kObjectButtonRects = rectsOf(kObjectButtons);
constexpr auto kChipSetButtonRects = rectsOf(kChipSetButtons);
constexpr auto kChipButtonRects = rectsOf(kChipButtons);

// "MAP" and "OBJECT" keep the scroll-bar band out of the copy: the bar lies there.
constexpr std::array<Rect, 2> kAroundScrollBar{{
    kUpperArea,
    {0, kScrollBarBand.y + kScrollBarBand.height, kViewWidth, kViewHeight - kScrollBarBand.y - kScrollBarBand.height},
}};
constexpr std::array<Rect, 1> kWholeViewOnly{{kWholeView}};

}  // namespace

std::span<const StepButtonPlace> stepButtonPlaces(int view)
{
    switch (view) {
    case kViewMap: return kMapButtons;
    case kViewObject: return kObjectButtons;
    case kViewChipSet: return kChipSetButtons;
    case kViewChip: return kChipButtons;
    default: return {};
    }
}

std::span<const Rect> copiedRects(int view)
{
    switch (view) {
    case kViewMap:
    case kViewObject: return kAroundScrollBar;
    case kViewMapSet:
    case kViewChipSet:
    case kViewChip: return kWholeViewOnly;
    default: return {};
    }
}

std::span<const Rect> leftOutRects(int view)
{
    switch (view) {
    case kViewMap: return kMapButtonRects;
    case kViewObject: return kObjectButtonRects;
    case kViewChipSet: return kChipSetButtonRects;
    case kViewChip: return kChipButtonRects;
    default: return {};
    }
}
