// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// The input that leaves the title screen ends there: what is left of it reaches the main window as nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleHints>
#include <QTest>
#include <QWindow>
#include <functional>
#include <memory>

#include "app/program_windows.h"
#include "tests/support/input_driver.h"
#include "ui/startup/title_window.h"
#include "ui/teaching/about_window.h"
#include "ui/main/main_window.h"

namespace dalvo::app {
namespace {

// The program at its title screen, over a history of its own.
struct Program {
    Program() { windows.start(); }

    ui::MainWindow& main() { return windows.mainWindow(); }
    ui::TitleWindow& title() { return windows.titleScreen(); }
    QPoint centreOf(const char* control)
    {
        QWidget* target = input::findControl(main(), QString::fromLatin1(control));
        return target ? target->mapToGlobal(target->rect().center()) : QPoint();
    }
    bool aboutShown() { return windows.about.existing() && windows.about.existing()->isVisible(); }

    ProgramWindows windows;
};

// The second click of a double-click lands on whatever lies under the title
// screen once it is gone: the "Project" button or picture, or "Q".
TEST(LeavingTheTitleScreenTest, TheSecondClickOfADoubleClickDoesNothingInTheMainWindow)
{
    for (const char* under : {"Command1", "Project", "Command3"}) {
        SCOPED_TRACE(under);
        Program program;
        ASSERT_TRUE(QTest::qWaitForWindowActive(&program.title()));
        const QPoint at = program.centreOf(under);
        ASSERT_TRUE(program.title().geometry().contains(at));

        input::click(&program.title(), program.title().mapFromGlobal(at));
        ASSERT_TRUE(program.main().isVisible());
        ASSERT_FALSE(program.title().isVisible());
        input::click(&program.main(), program.main().mapFromGlobal(at), 60);

        EXPECT_EQ(program.windows.history().stepCount(), 0);
        EXPECT_FALSE(program.aboutShown());
        EXPECT_TRUE(program.main().isVisible());

        // A click of its own, later, counts again.
        input::click(input::findControl(program.main(), "Command1"));
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
    };
    const Case cases[] = {
        {"Return", Qt::Key_Return},
        {"keypad Enter", Qt::Key_Enter},
        {"Space", Qt::Key_Space},
        {"a letter", Qt::Key_A},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program program;
        ASSERT_TRUE(QTest::qWaitForWindowActive(&program.title()));

        input::keyPress(&program.title(), c.key);
        ASSERT_TRUE(program.main().isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&program.main()));
        for (int repeat = 0; repeat < 3; ++repeat) {
            input::keyRelease(&program.main(), c.key, Qt::NoModifier, true);
            input::keyPress(&program.main(), c.key, Qt::NoModifier, true);
        }
        input::keyRelease(&program.main(), c.key);

        EXPECT_EQ(program.windows.history().stepCount(), 0);
        EXPECT_TRUE(input::findControl(program.main(), "Command1")->hasFocus());

        // The next press of Enter is the student's own and projects.
        input::keyClick(&program.main(), Qt::Key_Return);
        EXPECT_EQ(program.windows.history().stepCount(), 1);
    }
}

// The input that reaches the main window's own handling, past whatever
// listens on the application.
class ArrivingInput : public QObject {
public:
    explicit ArrivingInput(QObject* window) : QObject(window) { window->installEventFilter(this); }
    QList<QEvent::Type> types;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
            type == QEvent::MouseButtonRelease || type == QEvent::KeyPress || type == QEvent::KeyRelease)
            types << type;
        return false;
    }
};

// Whatever input left the title screen, the main window loses only the rest
// of it, told by the events' own time stamps: the second click of a
// double-click, the release of the double-click, or the repeats and release
// of the key. Everything else is the student's own and acts, above all a
// click on "Project" right after a key.
TEST(LeavingTheTitleScreenTest, OnlyTheRestOfTheLeavingInputIsSwallowed)
{
    const int doubleClickTime = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    using Deliver = std::function<void(Program&, QWidget* project)>;
    struct Leaving {
        const char* name;
        Deliver leave;
        Deliver releaseIt;
    };
    // Each leaves at the place where the main window will show "Project".
    const Leaving leavings[] = {
        {"key",
         [](Program& p, QWidget*) {
             input::pause(input::apart());
             input::keyPress(&p.title(), Qt::Key_Return);
         },
         [](Program& p, QWidget*) { input::keyRelease(&p.main(), Qt::Key_Return); }},
        {"click",
         [](Program& p, QWidget* project) {
             input::click(&p.title(), p.title().mapFromGlobal(project->mapToGlobal(project->rect().center())));
         },
         [](Program&, QWidget* project) { input::release(project); }},
        // The first click ends just off the prompt, so only the double-click leaves.
        {"double-click",
         [](Program& p, QWidget*) {
             QWidget* prompt = input::findControl(p.title(), "Label2");
             input::press(prompt, QPoint(1, 1));
             input::release(prompt, QPoint(-2, -2));
             input::press(prompt, QPoint(1, 1), 60);
         },
         [](Program&, QWidget* project) { input::release(project); }},
    };
    struct Next {
        const char* name;
        std::function<void(Program&, QWidget* project, const Leaving&)> deliver;
        QList<QEvent::Type> types;
        bool projects;
    };
    const QList<QEvent::Type> click = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease};
    const Next nexts[] = {
        {"click at once", [](Program&, QWidget* project, const Leaving&) { input::click(project, {}, 60); }, click,
         true},
        {"click after the double-click time",
         [doubleClickTime](Program&, QWidget* project, const Leaving&) {
             input::click(project, {}, doubleClickTime + 100);
         },
         click, true},
        {"fresh key", [](Program& p, QWidget*, const Leaving&) { input::keyClick(&p.main(), Qt::Key_Space); },
         {QEvent::KeyPress, QEvent::KeyRelease}, true},
        {"repeat",
         [](Program& p, QWidget*, const Leaving&) {
             input::keyPress(&p.main(), Qt::Key_Return, Qt::NoModifier, true);
         },
         {QEvent::KeyPress}, true},
        {"release", [](Program& p, QWidget* project, const Leaving& l) { l.releaseIt(p, project); }, {}, false},
    };
    // Rows: the leaving input; columns: the next input, swallowed or not.
    const bool swallowed[3][5] = {
        {false, false, false, true, true},
        {true, false, false, false, false},
        {false, false, false, false, true},
    };
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column) {
            const Leaving& leaving = leavings[row];
            const Next& next = nexts[column];
            SCOPED_TRACE(std::string("left by ") + leaving.name + ", then " + next.name);
            Program program;
            ASSERT_TRUE(QTest::qWaitForWindowActive(&program.title()));
            QWidget* project = input::findControl(program.main(), "Command1");
            program.main().winId();  // its QWindow, before it is first shown
            ArrivingInput arriving(program.main().windowHandle());

            leaving.leave(program, project);
            ASSERT_FALSE(program.title().isVisible());
            ASSERT_TRUE(QTest::qWaitForWindowActive(&program.main()));
            arriving.types.clear();
            next.deliver(program, project, leaving);

            const bool gone = swallowed[row][column];
            if (next.types.isEmpty())
                EXPECT_EQ(arriving.types.isEmpty(), gone);
            else
                EXPECT_EQ(arriving.types, gone ? QList<QEvent::Type>() : next.types);
            EXPECT_EQ(program.windows.history().stepCount(), next.projects && !gone ? 1 : 0);
        }
    }
}

}  // namespace
}  // namespace dalvo::app
