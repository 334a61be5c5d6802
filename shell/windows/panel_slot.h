#pragma once

#include <QPointer>
#include <QWidget>

#include "shell/session/app_state.h"
#include "shell/windows/panels.h"

// The one panel of a kind that a key shows and hides: made and docked when first
// opened, and released at the end.
template <class Window>
class PanelSlot {
public:
    explicit PanelSlot(const char* name) : name_(name) {}

    // Closes the panel when it is shown, and gives nullptr. Otherwise shows it, made
    // and docked the first time (`made` may set it up before it is docked), and gives
    // it for the caller to bring up to date.
    template <class Made>
    Window* toggle(Made made)
    {
        if (shown()) {
            closePanel(*window_);
            return nullptr;
        }
        if (!window_) {
            window_ = new Window(boxOwner());
            made(*window_);
            dockPanel(*window_, name_);
        }
        showPanel(*window_);
        return window_.data();
    }
    Window* toggle()
    {
        return toggle([](Window&) {});
    }

    // The panel while it is shown, else nullptr.
    Window* shown() const { return window_ && panelShown(window_) ? window_.data() : nullptr; }
    // The panel, shown or not, once made.
    Window* made() const { return window_.data(); }

    // Destroys the panel, before the main window goes.
    void release()
    {
        if (window_)
            releasePanel(*window_);
    }

private:
    QPointer<Window> window_;
    const char* name_;
};
