#pragma once

#include <QPointer>
#include <QWidget>

#include "shell/session/app_state.h"
#include "shell/windows/side_window_place.h"

// The one window of a kind that a key shows and hides beside the main window: made
// when first opened, placed as the settings remember it, and released at the end.
template <class Window>
class SideWindowSlot {
public:
    explicit SideWindowSlot(const char* name) : name_(name) {}

    // Hides the window when it is shown, and gives nullptr. Otherwise gives the window,
    // made and placed the first time (`made` may size it before it is placed), for the
    // caller to bring up to date and show.
    template <class Made>
    Window* toggle(Made made)
    {
        if (window_ && window_->isVisible()) {
            window_->close();
            return nullptr;
        }
        if (!window_) {
            window_ = new Window(boxOwner());
            made(*window_);
            placeSideWindow(*window_, name_);
        }
        return window_.data();
    }
    Window* toggle()
    {
        return toggle([](Window&) {});
    }

    // The window while it is shown, else nullptr.
    Window* shown() const { return window_ && window_->isVisible() ? window_.data() : nullptr; }
    // The window, shown or not, once made.
    Window* made() const { return window_.data(); }

    // Keeps whether it is open and destroys it, before the main window goes.
    void release()
    {
        if (window_)
            releaseSideWindow(*window_, name_);
        delete window_.data();
    }

private:
    QPointer<Window> window_;
    const char* name_;
};
