#include "swc/scroll_bar_control.h"

#include <algorithm>

#include "swc/window_registry.h"

namespace swc {

ScrollBarControl::ScrollBarControl(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::NoFocus);
    setRange(rangeMin, rangeMax);
    connect(this, &QAbstractSlider::actionTriggered, this, &ScrollBarControl::onAction);
    connect(this, &QAbstractSlider::sliderPressed, this, [this] { trackPosition = value(); });
    connect(this, &QAbstractSlider::sliderReleased, this, &ScrollBarControl::onSliderReleased);
}

void ScrollBarControl::applyScrollInfo(const SCROLLINFO& info)
{
    if (info.fMask & SIF_RANGE) {
        rangeMin = info.nMin;
        rangeMax = std::max(info.nMin, info.nMax);
    }
    if (info.fMask & SIF_PAGE)
        page = int(std::min<UINT>(info.nPage, UINT(rangeMax - rangeMin + 1)));
    if (info.fMask & (SIF_RANGE | SIF_PAGE)) {
        // The last position leaves a whole page inside the range; a page of 0 or 1
        // lets the position reach the maximum.
        const int lastPosition = std::max(rangeMin, rangeMax - std::max(page - 1, 0));
        setRange(rangeMin, lastPosition);
        setPageStep(std::max(page, 1));
    }
    if (info.fMask & SIF_POS)
        setValue(std::clamp(info.nPos, minimum(), maximum()));
    if (info.fMask & SIF_DISABLENOSCROLL)
        setEnabled(maximum() > minimum());
}

void ScrollBarControl::onAction(int action)
{
    // Qt has already moved sliderPosition to where the action would take it; the
    // program decides the real position, so the bar goes back to its value. Whatever
    // the program sets while handling the message wins, as QAbstractSlider applies
    // sliderPosition after this signal.
    const int wanted = sliderPosition();
    setSliderPosition(value());
    switch (action) {
    case SliderSingleStepSub: notify(SB_LINELEFT, 0); break;
    case SliderSingleStepAdd: notify(SB_LINERIGHT, 0); break;
    case SliderPageStepSub: notify(SB_PAGELEFT, 0); break;
    case SliderPageStepAdd: notify(SB_PAGERIGHT, 0); break;
    case SliderToMinimum: notify(SB_LEFT, 0); break;
    case SliderToMaximum: notify(SB_RIGHT, 0); break;
    case SliderMove:
        if (isSliderDown()) {
            trackPosition = wanted;
            notify(SB_THUMBTRACK, wanted);
            return;  // the drag ends with the release
        }
        // A wheel turn moves the thumb in one go.
        notify(SB_THUMBPOSITION, wanted);
        break;
    default: return;
    }
    notify(SB_ENDSCROLL, 0);
}

void ScrollBarControl::onSliderReleased()
{
    notify(SB_THUMBPOSITION, trackPosition);
    notify(SB_ENDSCROLL, 0);
}

void ScrollBarControl::notify(unsigned code, int position)
{
    notifyParent(this, WM_HSCROLL, MAKEWPARAM(code, unsigned(position)), LPARAM(this));
}

}  // namespace swc
