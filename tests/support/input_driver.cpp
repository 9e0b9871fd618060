// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "tests/support/input_driver.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QStyleHints>
#include <QTest>
#include <QWindow>

namespace dalvo::input {

namespace {

QWindow* windowOf(QWidget* widget)
{
    if (widget == nullptr) {
        ADD_FAILURE() << "no widget to deliver input to";
        return nullptr;
    }
    QWindow* handle = widget->window()->windowHandle();
    EXPECT_NE(handle, nullptr) << widget->window()->objectName().toStdString() << " has no window of its own";
    return handle;
}

void mouse(QWidget* control, Place at, QEvent::Type type, int afterMilliseconds)
{
    QWindow* handle = windowOf(control);
    if (handle == nullptr)
        return;
    const QPoint local = at.value_or(control->rect().center());
    const QPoint inWindow = control->mapTo(control->window(), local);
    QTest::lastMouseTimestamp += qMax(1, afterMilliseconds);
    const bool down = type != QEvent::MouseButtonRelease;
    qt_handleMouseEvent(handle, inWindow, handle->mapToGlobal(inWindow), down ? Qt::LeftButton : Qt::NoButton,
                        Qt::LeftButton, type, Qt::NoModifier, QTest::lastMouseTimestamp);
    QCoreApplication::processEvents();
}

// The text a key types, as the window system reports it with the key.
void key(QWidget* widget, QEvent::Type type, Qt::Key code, Qt::KeyboardModifiers modifiers, bool autoRepeat,
         QString text = {})
{
    QWindow* handle = windowOf(widget);
    if (handle == nullptr)
        return;
    if (text.isEmpty() && QTest::keyToAscii(code) != 0)
        text = QChar::fromLatin1(QTest::keyToAscii(code));
    qt_handleKeyEvent(handle, type, code, modifiers, text, autoRepeat, 1);
    QCoreApplication::processEvents();
}

// Input that closes its window leaves the rest of it to the window the
// window system shows in its place, the active one.
QWidget* receiver(const QPointer<QWidget>& widget)
{
    return widget && widget->isVisible() ? widget.data() : QApplication::activeWindow();
}

}  // namespace

QWidget* shownWindow(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            return window;
    ADD_FAILURE() << name.toStdString() << " is not shown";
    return nullptr;
}

int apart()
{
    return QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100;
}

void pause(int milliseconds)
{
    QTest::lastMouseTimestamp += milliseconds;
}

void press(QWidget* control, Place at, int afterMilliseconds)
{
    mouse(control, at, QEvent::MouseButtonPress, afterMilliseconds);
}

void release(QWidget* control, Place at, int afterMilliseconds)
{
    mouse(control, at, QEvent::MouseButtonRelease, afterMilliseconds);
}

void click(QWidget* control, Place at, int afterMilliseconds)
{
    QPointer<QWidget> alive(control);
    const QPoint global = control->mapToGlobal(at.value_or(control->rect().center()));
    press(control, at, afterMilliseconds);
    if (QWidget* next = receiver(alive))
        release(next, next->mapFromGlobal(global));
}

// The window system tells the second press of a double-click by its time
// stamp and place, and adds the double-click event itself.
void doubleClick(QWidget* control, Place at)
{
    QPointer<QWidget> alive(control);
    const QPoint global = control->mapToGlobal(at.value_or(control->rect().center()));
    click(control, at);
    if (QWidget* next = receiver(alive))
        click(next, next->mapFromGlobal(global), 60);
}

void click(const QString& window, const QString& control)
{
    if (QWidget* shown = shownWindow(window))
        click(findControl(*shown, control));
}

void keyPress(QWidget* widget, Qt::Key code, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    key(widget, QEvent::KeyPress, code, modifiers, autoRepeat);
}

void keyRelease(QWidget* widget, Qt::Key code, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    key(widget, QEvent::KeyRelease, code, modifiers, autoRepeat);
}

void keyClick(QWidget* widget, Qt::Key code, Qt::KeyboardModifiers modifiers)
{
    QPointer<QWidget> alive(widget);
    keyPress(widget, code, modifiers);
    if (QWidget* next = receiver(alive))
        keyRelease(next, code, modifiers);
}

void keyClicks(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        const char ascii = character.toLatin1();
        const Qt::Key code = ascii != 0 ? QTest::asciiToKey(ascii) : Qt::Key_unknown;
        key(widget, QEvent::KeyPress, code, Qt::NoModifier, false, character);
        key(widget, QEvent::KeyRelease, code, Qt::NoModifier, false, character);
    }
}

}  // namespace dalvo::input
