// Builds the teaching screens for tests, shows them, and finds their controls by name.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <gtest/gtest.h>

#include <QPointer>
#include <QString>
#include <QTest>
#include <functional>
#include <map>

#include "ui/teaching/about_window.h"
#include "ui/teaching/dedication_window.h"
#include "ui/teaching/how_to_window.h"
#include "ui/teaching/introduction_window.h"
#include "ui/teaching/quiz_window.h"
#include "ui/teaching/references_window.h"
#include "tests/support/input_driver.h"

namespace dalvo::ui {

// A new window of the given object name ("dalvo5", "Introfrm", ...).
inline SecondaryWindow* buildTeachingWindow(const QString& name)
{
    static const std::map<QString, std::function<SecondaryWindow*()>> builders = {
        {"dalvo5", [] { return new HowToWindow; }},
        {"Introfrm", [] { return new IntroductionWindow; }},
        {"Referenc", [] { return new ReferencesWindow; }},
        {"Quiz", [] { return new QuizWindow; }},
        {"copyrigh", [] { return new AboutWindow; }},
        {"Vater", [] { return new DedicationWindow; }},
    };
    const auto found = builders.find(name);
    return found == builders.end() ? nullptr : found->second();
}

// One window, shown; deleted at the end unless its close box already did.
class ShownWindow {
public:
    explicit ShownWindow(const QString& name) : window_(buildTeachingWindow(name))
    {
        if (!window_)
            return;
        window_->show();
        window_->activateWindow();
        exposed_ = QTest::qWaitForWindowExposed(window_.data());
    }
    ~ShownWindow() { delete window_.data(); }
    ShownWindow(const ShownWindow&) = delete;
    ShownWindow& operator=(const ShownWindow&) = delete;

    SecondaryWindow* get() const { return window_.data(); }
    SecondaryWindow* operator->() const { return window_.data(); }
    bool exposed() const { return exposed_; }

    template <class T = QWidget>
    T* control(const QString& name) const
    {
        if (!window_) {
            ADD_FAILURE() << "no window has " << name.toStdString();
            return nullptr;
        }
        return input::findControl<T>(*window_, name);
    }

private:
    QPointer<SecondaryWindow> window_;
    bool exposed_ = false;
};

}  // namespace dalvo::ui
