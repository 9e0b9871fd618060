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

void TrailingInputGuard::arm()
{
    clicksArmed_ = true;
    releasePending_ = false;
    keysArmed_ = true;
    sinceLastClick_.start();
    // On the application rather than on the window: the window system's
    // input reaches the window's QWindow, whose handle the widget may only
    // create when it is first shown.
    QCoreApplication::instance()->removeEventFilter(this);
    QCoreApplication::instance()->installEventFilter(this);
}

// Only the input the window system hands to the window is looked at, before
// the window passes it on to its widgets, so each event is judged once.
bool TrailingInputGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_->windowHandle())
        return false;
    bool swallowed = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        swallowed = swallowMouse(event);
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        swallowed = swallowKey(event);
        break;
    default:
        break;
    }
    disarmWhenDone();
    return swallowed;
}

bool TrailingInputGuard::swallowMouse(QEvent* event)
{
    const auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (clicksArmed_ &&
            sinceLastClick_.elapsed() <= QGuiApplication::styleHints()->mouseDoubleClickInterval()) {
            releasePending_ = true;
            sinceLastClick_.restart();
            event->accept();
            return true;
        }
        clicksArmed_ = false;
        return false;
    case QEvent::MouseButtonDblClick:
        if (!clicksArmed_)
            return false;
        event->accept();
        return true;
    case QEvent::MouseButtonRelease:
        // Also a release whose press the window never had: it belongs to
        // the click that left the other window.
        if (!releasePending_ && !clicksArmed_)
            return false;
        if (mouse->buttons() == Qt::NoButton)
            releasePending_ = false;
        sinceLastClick_.restart();
        event->accept();
        return true;
    default:
        return false;
    }
}

bool TrailingInputGuard::swallowKey(QEvent* event)
{
    if (!keysArmed_)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
        keysArmed_ = false;
        return false;
    }
    // The last release of the held key ends its repeats.
    if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat())
        keysArmed_ = false;
    event->accept();
    return true;
}

void TrailingInputGuard::disarmWhenDone()
{
    if (!clicksArmed_ && !releasePending_ && !keysArmed_)
        QCoreApplication::instance()->removeEventFilter(this);
}

}  // namespace dalvo::ui
