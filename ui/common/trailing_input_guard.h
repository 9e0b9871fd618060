// Keeps the rest of the click or key press that left one window from acting in the window shown in its place.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QObject>

class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace dalvo::ui {

// The input that left a window, as far as the window shown in its place
// still has to expect the rest of it.
struct LeavingInput {
    enum class Kind {
        Key,          // a key press: its repeats and release follow
        Click,        // a click: a second click may follow as a double-click
        DoubleClick,  // the second press of a double-click: its release follows
        CloseRequest  // the window system asked: nothing follows
    };
    Kind kind = Kind::CloseRequest;
    int key = 0;
    // The leaving event's own time stamp, on the window system's clock.
    quint64 timestamp = 0;
};

// A double-click whose first click closes a window has its second click land
// on the window underneath, and a key held down repeats into the window that
// takes the focus. Once armed with the input that left, the guard swallows in
// `window` only the rest of that input: the second click of a double-click
// (with the time stamps of the events telling how soon it came) and its
// release, or the repeats and release of the key. A key never makes it
// swallow clicks, nor a click keys.
class TrailingInputGuard : public QObject {
    Q_OBJECT
public:
    explicit TrailingInputGuard(QWidget* window);
    ~TrailingInputGuard() override;

    // Call with the window shown, right after `input` left the other one.
    void arm(const LeavingInput& input);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What of the leaving input is still to come.
    enum class Rest { Nothing, SecondClick, ButtonRelease, HeldKey };

    bool swallowMouse(const QMouseEvent& event);
    bool swallowKey(const QKeyEvent& event);
    void expect(Rest rest);

    QWidget* window_;
    Rest rest_ = Rest::Nothing;
    LeavingInput leaving_;
};

}  // namespace dalvo::ui
