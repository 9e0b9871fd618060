// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// Every control of every window of the program has a name a screen reader can say.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <memory>

#include "app/program_windows.h"
#include "ui/startup/title_window.h"
#include "ui/common/clickable_label.h"
#include "ui/editor/new_run_editor.h"
#include "ui/main/main_window.h"
#include "ui/outlook/outlook_window.h"
#include "ui/own_population/own_population_window.h"
#include "ui/teaching/about_window.h"
#include "ui/teaching/dedication_window.h"
#include "ui/teaching/how_to_window.h"
#include "ui/teaching/introduction_window.h"
#include "ui/teaching/quiz_window.h"
#include "ui/teaching/references_window.h"
#include "ui/charts/chart_window.h"
#include "ui/tables/table_window.h"
#include "tests/support/input_driver.h"

namespace dalvo::app {
namespace {

QString spokenName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// What a student can act on or read as a unit: buttons, fields, clickable
// labels and pictures, tables, text boxes and charts.
bool isControl(QWidget* widget)
{
    if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
        qobject_cast<ui::ClickableLabel*>(widget) || qobject_cast<QAbstractItemView*>(widget) ||
        qobject_cast<QGraphicsView*>(widget) || qobject_cast<QTextEdit*>(widget))
        return true;
    auto* label = qobject_cast<QLabel*>(widget);
    return label != nullptr && !label->pixmap().isNull();
}

// The program's windows over a history of their own, a run of five steps
// made, so that the tables and the chart have something to show.
class EveryControlNamedTest : public testing::Test {
protected:
    void SetUp() override
    {
        windows.start();
        input::keyClick(&windows.titleScreen(), Qt::Key_Space);
        for (int step = 0; step < 5; ++step) {
            input::click(input::findControl(windows.mainWindow(), "Command1"));
            input::click(input::findControl(windows.mainWindow(), "Command2"));
        }
        windows.mainWindow().hide();
    }

    ProgramWindows windows;
};

TEST_F(EveryControlNamedTest, EveryVisibleControlOfEveryWindowHasAName)
{
    struct Case {
        const char* window;
        std::function<QWidget&()> open;
    };
    const std::vector<Case> cases = {
        {"title screen", [&]() -> QWidget& { return windows.titleScreen(); }},
        {"main window", [&]() -> QWidget& { return windows.mainWindow(); }},
        {"how to", [&]() -> QWidget& { return windows.howTo.get(); }},
        {"introduction", [&]() -> QWidget& { return windows.introduction.get(); }},
        {"references", [&]() -> QWidget& { return windows.references.get(); }},
        {"quiz", [&]() -> QWidget& { return windows.quiz.get(); }},
        {"editor", [&]() -> QWidget& { return windows.editor.get(); }},
        {"chart window",
         [&]() -> QWidget& {
             windows.charts.get().graph();
             return windows.charts.get();
         }},
        {"detail table",
         [&]() -> QWidget& {
             return windows.dataTable.get();
         }},
        {"age distribution",
         [&]() -> QWidget& {
             return windows.ageDistribution.get();
         }},
        {"outlook", [&]() -> QWidget& { return windows.outlook.get(); }},
        {"own population", [&]() -> QWidget& { return windows.ownPopulation.get(); }},
        {"about", [&]() -> QWidget& { return windows.about.get(); }},
        {"dedication", [&]() -> QWidget& { return windows.dedication.get(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        QWidget& window = c.open();
        window.show();
        int controls = 0;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (!widget->isVisible() || !isControl(widget))
                continue;
            ++controls;
            EXPECT_FALSE(spokenName(widget).trimmed().isEmpty())
                << widget->metaObject()->className() << " " << widget->objectName().toStdString();
        }
        EXPECT_GT(controls, 0);
        window.hide();
    }
}

// The title screen's words, hidden between ticks, and the editor's message
// row, hidden until a survival rate is refused, are named too.
TEST_F(EveryControlNamedTest, ControlsShownLaterAreNamedAlready)
{
    for (QWidget* window :
         {static_cast<QWidget*>(&windows.titleScreen()), static_cast<QWidget*>(&windows.editor.get())}) {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (isControl(widget)) {
                EXPECT_FALSE(spokenName(widget).isEmpty()) << widget->objectName().toStdString();
            }
        }
    }
}

TEST_F(EveryControlNamedTest, NamesAreTheCaptionsTooltipsAndDescriptionsOfTheControls)
{
    struct Case {
        const char* what;
        std::function<QWidget*()> control;
        const char* name;
    };
    const std::vector<Case> cases = {
        {"a button's caption", [&] { return input::findControl(windows.mainWindow(), "Command5"); },
         "Change default values"},
        {"a picture button's tooltip", [&] { return input::findControl(windows.mainWindow(), "Command10"); }, "Quiz"},
        {"a picture's tooltip", [&] { return input::findControl(windows.mainWindow(), "Project"); },
         "Calculate the age structure for next time interval"},
        {"a clickable title", [&] { return input::findControl(windows.mainWindow(), "Label4"); }, "Dalvo-Leslie Matrix"},
        {"the light bulb", [&] { return input::findControl(windows.mainWindow(), "Command12"); },
         "Batch projection from a data file"},
        {"a matrix cell", [&] { return input::findControl(windows.mainWindow(), "m(6)"); }, "Matrix row 2, column 3"},
        {"a number of N(t+1)", [&] { return input::findControl(windows.mainWindow(), "n2(3)"); },
         "N(t+1) of age class 3"},
        {"an editor cell", [&] { return input::findControl(windows.editor.get(), "n0(2)"); }, "N(0) of age class 2"},
        {"the chart", [&] { return input::findControl(windows.charts.get(), "MSChart1"); }, "Chart"},
        {"the detail table", [&] { return input::findControl(windows.dataTable.get(), "MSFlexGrid1"); },
         "Age structure and growth rate table"},
        {"the dedication's button", [&] { return input::findControl(windows.dedication.get(), "Command1"); },
         "God rest his soul"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spokenName(c.control()), QString::fromUtf8(c.name)) << c.what;
    // A plain label keeps no fixed name, so the clock is read as it reads now.
    auto* clock = qobject_cast<QLabel*>(input::findControl(windows.mainWindow(), "Label13"));
    clock->setText(QStringLiteral("12:00:01"));
    EXPECT_EQ(spokenName(clock), "12:00:01");
}

}  // namespace
}  // namespace dalvo::app
