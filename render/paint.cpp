#include <array>
#include <span>

#include "model/editor.h"
#include "render/views.h"

namespace {

// What reaches the editing area of each view: the rectangles copied, less those its
// step buttons cover (they lie over the area and must stay visible). MAP and OBJECT
// also keep out the scroll-bar band (0, 256, 512, 16).
constexpr Rect kWholeView{0, 0, 512, 528};
constexpr std::array<Rect, 2> kAboveAndBelowScrollBar{{{0, 0, 512, 256}, {0, 272, 512, 256}}};
constexpr std::array<Rect, 1> kWholeViewOnly{{kWholeView}};

constexpr std::array<Rect, 2> kMapButtons{{{128, 320, 80, 32}, {384, 320, 80, 32}}};
constexpr std::array<Rect, 5> kObjectButtons{
    {{188, 280, 80, 20}, {188, 328, 80, 20}, {188, 352, 80, 20}, {188, 376, 80, 20}, {288, 280, 48, 20}}};
constexpr std::array<Rect, 1> kChipSetButtons{{{0, 257, 72, 20}}};
constexpr std::array<Rect, 2> kChipButtons{{{320, 288, 48, 20}, {320, 320, 80, 20}}};

} // namespace

// Composes the current view on the view surface and hands it to the application. A
// view index outside 0 to 4 draws and shows nothing.
void EDITOR::paint()
{
    std::span<const Rect> copied;
    std::span<const Rect> leftOut;
    switch (curTab) {
    case kViewMap:
        paintMapView(*this);
        copied = kAboveAndBelowScrollBar;
        leftOut = kMapButtons;
        break;
    case kViewObject:
        paintObjectView(*this);
        copied = kAboveAndBelowScrollBar;
        leftOut = kObjectButtons;
        break;
    case kViewMapSet:
        paintMapSetView(*this);
        copied = kWholeViewOnly;
        break;
    case kViewChipSet:
        paintChipSetView(*this);
        copied = kWholeViewOnly;
        leftOut = kChipSetButtons;
        break;
    case kViewChip:
        paintChipView(*this);
        copied = kWholeViewOnly;
        leftOut = kChipButtons;
        break;
    default:
        return;
    }
    host().showView(viewSurface, copied, leftOut);
}
