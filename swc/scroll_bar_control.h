#pragma once

// The widget of a "SCROLLBAR" control: a horizontal bar that reports what the user
// does with it to its parent as WM_HSCROLL and never moves by itself. Its position is
// whatever the program sets with SetScrollInfo, during a drag as well.

#include <QScrollBar>

#include "swc/win32_types.h"

namespace swc {

class ScrollBarControl : public QScrollBar {
public:
    explicit ScrollBarControl(QWidget* parent);

    // Applies the fields of info that its fMask names.
    void applyScrollInfo(const SCROLLINFO& info);

private:
    void onAction(int action);
    void onSliderReleased();
    void notify(unsigned code, int position);

    int rangeMin = 0;
    int rangeMax = 100;
    int page = 0;
    // The last position the user dragged the thumb to, reported on release.
    int trackPosition = 0;
};

}  // namespace swc
