// Holds one program-wide window: built on first use, rebuilt after its close box destroyed it.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <utility>

#include "ui/common/secondary_window.h"

namespace dalvo::app {

template <class Window>
class WindowSlot {
public:
    // `closeBoxUsed` runs after the window's close box destroyed it.
    WindowSlot(std::function<Window*()> build, std::function<void()> closeBoxUsed)
        : build_(std::move(build)), closeBoxUsed_(std::move(closeBoxUsed))
    {
    }
    ~WindowSlot() { delete window_.data(); }
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;

    // The window, built now if it does not exist yet.
    Window& get()
    {
        if (!window_) {
            window_ = build_();
            // Every window but the three that live as long as the program
            // is built here, so this is where each gets its close box wired.
            QObject::connect(window_, &ui::SecondaryWindow::closeBoxUsed, window_, closeBoxUsed_);
        }
        return *window_;
    }

    // The window if it exists, without building it.
    Window* existing() const { return window_.data(); }

private:
    std::function<Window*()> build_;
    std::function<void()> closeBoxUsed_;
    QPointer<Window> window_;
};

}  // namespace dalvo::app
