// Delivers clicks, double-clicks and keys to the program's windows as the window system does, and finds their controls by name.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QString>
#include <QWidget>
#include <optional>

// Every event goes to the QWindow of the control's top-level window, so that
// whatever listens there (a guard, the window's own dispatch to the widget
// under the pointer or with the focus) stands in between as in the program.
// Mouse time stamps continue QTest's mouse clock: two clicks make a
// double-click only when they are meant to.
namespace dalvo::input {

// The control called `name` in `window`; fails the test when there is none.
template <class Control = QWidget>
Control* findControl(const QWidget& window, const QString& name)
{
    auto* found = window.findChild<Control*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString() << " in " << window.objectName().toStdString();
    return found;
}

// The shown top-level window called `name`; fails the test when there is none.
QWidget* shownWindow(const QString& name);

// Milliseconds between two inputs that are far enough apart to be separate.
int apart();
// Lets time pass on the mouse clock, as between a key and the next click.
void pause(int milliseconds);

// `at` is in `control`'s coordinates; its centre when left out. The event is
// stamped `afterMilliseconds` after the last one.
using Place = std::optional<QPoint>;
void press(QWidget* control, Place at = {}, int afterMilliseconds = apart());
void release(QWidget* control, Place at = {}, int afterMilliseconds = 1);
void click(QWidget* control, Place at = {}, int afterMilliseconds = apart());
void doubleClick(QWidget* control, Place at = {});
// A click on the control `control` of the shown window `window`.
void click(const QString& window, const QString& control);

// Keys go to the window of `widget`, and from there to its focused control.
void keyPress(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false);
void keyRelease(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                bool autoRepeat = false);
void keyClick(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void keyClicks(QWidget* widget, const QString& text);

}  // namespace dalvo::input
