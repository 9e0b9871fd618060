// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/trailing_input_guard.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

namespace dalvo::ui {

TrailingInputGuard::TrailingInputGuard(QWidget* window) : QObject(window), window_(window) {}

TrailingInputGuard::~TrailingInputGuard()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

void TrailingInputGuard::arm(const LeavingInput& input)
{
    leaving_ = input;
    switch (input.kind) {
    case LeavingInput::Kind::Key:
        expect(Rest::HeldKey);
        break;
    case LeavingInput::Kind::Click:
        expect(Rest::SecondClick);
        break;
    case LeavingInput::Kind::DoubleClick:
        expect(Rest::ButtonRelease);
        break;
    case LeavingInput::Kind::CloseRequest:
        expect(Rest::Nothing);
        break;
    }
}

// On the application rather than on the window: the window system's input
// reaches the window's QWindow, whose handle the widget may only create when
// it is first shown.
void TrailingInputGuard::expect(Rest rest)
{
    rest_ = rest;
    QCoreApplication* application = QCoreApplication::instance();
    application->removeEventFilter(this);
    if (rest_ != Rest::Nothing)
        application->installEventFilter(this);
}

// Only the input the window system hands to the window is looked at, before
// the window passes it on to its widgets, so each event is judged once.
bool TrailingInputGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (rest_ == Rest::Nothing || watched != window_->windowHandle())
        return false;
    bool swallowed = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        swallowed = swallowMouse(*static_cast<QMouseEvent*>(event));
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        swallowed = swallowKey(*static_cast<QKeyEvent*>(event));
        break;
    default:
        break;
    }
    if (swallowed)
        event->accept();
    return swallowed;
}

bool TrailingInputGuard::swallowMouse(const QMouseEvent& event)
{
    if (rest_ == Rest::SecondClick) {
        if (event.type() != QEvent::MouseButtonPress)
            return false;
        // Time stamps wrap around on some window systems; a press stamped
        // before the click that left cannot belong to it.
        const qint64 after = qint64(event.timestamp() - leaving_.timestamp);
        const bool soon = after >= 0 && after <= QGuiApplication::styleHints()->mouseDoubleClickInterval();
        expect(soon ? Rest::ButtonRelease : Rest::Nothing);
        return soon;
    }
    if (rest_ != Rest::ButtonRelease)
        return false;
    switch (event.type()) {
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::MouseButtonRelease:
        if (event.buttons() == Qt::NoButton)
            expect(Rest::Nothing);
        return true;
    default:
        // A press of its own: the release went elsewhere and is no longer awaited.
        expect(Rest::Nothing);
        return false;
    }
}

bool TrailingInputGuard::swallowKey(const QKeyEvent& event)
{
    if (rest_ != Rest::HeldKey)
        return false;
    if (event.isAutoRepeat())
        return event.key() == leaving_.key;
    if (event.type() == QEvent::KeyPress) {
        // A fresh press is the student's own, and it ends the held key's repeats.
        expect(Rest::Nothing);
        return false;
    }
    if (event.key() != leaving_.key)
        return false;
    expect(Rest::Nothing);
    return true;
}

}  // namespace dalvo::ui
