// The input that leaves the title screen ends there: what is left of it reaches the main window as nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>
#include <QWindow>
#include <memory>

#include "app/program_windows.h"
#include "ui/startup/title_window.h"
#include "ui/teaching/about_window.h"
#include "ui/main/main_window.h"

namespace dalvo::app {
namespace {

// Input as the window system delivers it: to the window under the pointer or
// with the keyboard focus, with the time stamps that tell a double-click.
class WindowSystem {
public:
    void mouse(QWidget* window, QPoint global, QEvent::Type type, int afterMilliseconds)
    {
        timestamp_ += afterMilliseconds;
        QWindow* handle = window->windowHandle();
        ASSERT_NE(handle, nullptr) << window->objectName().toStdString();
        const bool press = type == QEvent::MouseButtonPress;
        qt_handleMouseEvent(handle, handle->mapFromGlobal(global), global, press ? Qt::LeftButton : Qt::NoButton,
                            Qt::LeftButton, type, Qt::NoModifier, timestamp_);
        QCoreApplication::processEvents();
    }
    void click(QWidget* window, QPoint global, int afterMilliseconds)
    {
        mouse(window, global, QEvent::MouseButtonPress, afterMilliseconds);
        mouse(window, global, QEvent::MouseButtonRelease, 40);
    }
    static void key(QWidget* window, QEvent::Type type, Qt::Key key, const QString& text, bool autoRepeat)
    {
        QWindow* handle = window->windowHandle();
        ASSERT_NE(handle, nullptr) << window->objectName().toStdString();
        qt_handleKeyEvent(handle, type, key, Qt::NoModifier, text, autoRepeat);
        QCoreApplication::processEvents();
    }

private:
    // Well past whatever the other tests' simulated clicks left behind.
    int timestamp_ = QTest::lastMouseTimestamp + 100000;
};

// The program at its title screen, over a history of its own.
struct Program {
    Program() { windows.start(); }

    ui::MainWindow& main() { return windows.mainWindow(); }
    ui::TitleWindow& title() { return windows.titleScreen(); }
    QPoint centreOf(const char* control)
    {
        QWidget* target = main().findChild<QWidget*>(QString::fromLatin1(control));
        EXPECT_NE(target, nullptr) << control;
        return target ? target->mapToGlobal(target->rect().center()) : QPoint();
    }
    bool aboutShown() { return windows.about.existing() && windows.about.existing()->isVisible(); }

    ProgramWindows windows;
};

// The second click of a double-click lands on whatever lies under the title
// screen once it is gone: the "Project" button or picture, or "Q".
TEST(LeavingTheTitleScreenTest, TheSecondClickOfADoubleClickDoesNothingInTheMainWindow)
{
    const int doubleClickTime = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    for (const char* under : {"Command1", "Project", "Command3"}) {
        SCOPED_TRACE(under);
        Program program;
        WindowSystem system;
        ASSERT_TRUE(QTest::qWaitForWindowActive(&program.title()));
        const QPoint at = program.centreOf(under);
        ASSERT_TRUE(program.title().geometry().contains(at));

        system.click(&program.title(), at, 1000);
        ASSERT_TRUE(program.main().isVisible());
        ASSERT_FALSE(program.title().isVisible());
        system.click(&program.main(), at, 60);

        EXPECT_EQ(program.windows.history().stepCount(), 0);
        EXPECT_FALSE(program.aboutShown());
        EXPECT_TRUE(program.main().isVisible());

        // A click of its own, later, counts again.
        QTest::qWait(doubleClickTime + 100);
        system.click(&program.main(), program.centreOf("Command1"), doubleClickTime + 1000);
        EXPECT_EQ(program.windows.history().stepCount(), 1);
    }
}

// A key held down past the title screen repeats into the main window, where
// Enter presses the focused "Project" button with every repeat.
TEST(LeavingTheTitleScreenTest, TheRepeatsOfTheKeyThatLeftDoNothingInTheMainWindow)
{
    struct Case {
        const char* name;
        Qt::Key key;
        QString text;
    };
    const Case cases[] = {
        {"Return", Qt::Key_Return, QStringLiteral("\r")},
        {"keypad Enter", Qt::Key_Enter, QStringLiteral("\r")},
        {"Space", Qt::Key_Space, QStringLiteral(" ")},
        {"a letter", Qt::Key_A, QStringLiteral("a")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program program;
        ASSERT_TRUE(QTest::qWaitForWindowActive(&program.title()));

        WindowSystem::key(&program.title(), QEvent::KeyPress, c.key, c.text, false);
        ASSERT_TRUE(program.main().isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&program.main()));
        for (int repeat = 0; repeat < 3; ++repeat) {
            WindowSystem::key(&program.main(), QEvent::KeyRelease, c.key, c.text, true);
            WindowSystem::key(&program.main(), QEvent::KeyPress, c.key, c.text, true);
        }
        WindowSystem::key(&program.main(), QEvent::KeyRelease, c.key, c.text, false);

        EXPECT_EQ(program.windows.history().stepCount(), 0);
        EXPECT_TRUE(program.main().findChild<QWidget*>("Command1")->hasFocus());

        // The next press of Enter is the student's own and projects.
        WindowSystem::key(&program.main(), QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"), false);
        WindowSystem::key(&program.main(), QEvent::KeyRelease, Qt::Key_Return, QStringLiteral("\r"), false);
        EXPECT_EQ(program.windows.history().stepCount(), 1);
    }
}

}  // namespace
}  // namespace dalvo::app
