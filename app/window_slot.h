// Holds one program-wide window: built on first use, rebuilt after its close box destroyed it.
#pragma once

#include <QPointer>
#include <functional>
#include <utility>

#include "ui/common/accessible_names.h"

namespace dalvo::app {

template <class Window>
class WindowSlot {
public:
    explicit WindowSlot(std::function<Window*()> build) : build_(std::move(build)) {}
    ~WindowSlot() { delete window_.data(); }
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;

    // The window, built now if it does not exist yet.
    Window& get()
    {
        if (!window_) {
            window_ = build_();
            // Every window but the three that live as long as the program
            // is built here, so this is where each gets its controls named.
            ui::nameControlsForScreenReaders(window_);
        }
        return *window_;
    }

    // The window if it exists, without building it.
    Window* existing() const { return window_.data(); }

private:
    std::function<Window*()> build_;
    QPointer<Window> window_;
};

}  // namespace dalvo::app
