// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "app/program_windows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

#include "ui/startup/backdrop_window.h"
#include "ui/startup/title_window.h"
#include "ui/main/main_window.h"
#include "ui/charts/chart_window.h"
#include "ui/outlook/outlook_window.h"
#include "ui/own_population/own_population_window.h"
#include "ui/editor/new_run_editor.h"
#include "support/scripted_prompts.h"
#include <QFile>
#include <QTemporaryDir>
#include "tests/support/input_driver.h"

#include <QLabel>
#include <QPushButton>

// Window names in failure messages, rather than raw bytes.
inline void PrintTo(const QStringList& names, std::ostream* out)
{
    *out << names.join(", ").toStdString();
}

namespace dalvo::app {
namespace {

using input::click;

// The program's windows over a history of their own, past the title screen.
class ProgramWindowsTest : public testing::Test {
protected:
    void SetUp() override
    {
        windows.start();
        input::keyClick(&windows.titleScreen(), Qt::Key_Space);
        ASSERT_TRUE(windows.mainWindow().isVisible());
    }

    // The visible windows of the program other than the backdrop, by name.
    static QStringList visibleWindows()
    {
        QStringList names;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->objectName() != "dalvo4" && window->isWindow() &&
                !window->objectName().isEmpty())
                names << window->objectName();
        return names;
    }

    static QWidget* window(const QString& name)
    {
        for (QWidget* candidate : QApplication::topLevelWidgets())
            if (candidate->objectName() == name)
                return candidate;
        return nullptr;
    }

    static void closeBox(const QString& windowName)
    {
        window(windowName)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void projectFourSteps()
    {
        for (int step = 0; step < 4; ++step) {
            click("frmForm1", "Command1");
            click("frmForm1", "Command2");
        }
    }

    ProgramWindows windows;
};

// The outlook window's λ sentence, with the decimal separator the run uses.
QString lambdaText(QWidget& outlook)
{
    auto* label = outlook.findChild<QLabel*>(QStringLiteral("lambdaLabel"));
    return label == nullptr ? QString() : label->text();
}

TEST_F(ProgramWindowsTest, TheOutlookButtonAndCtrlLOpenTheOutlookOfTheMatrixShown)
{
    const QString point = QString::fromStdString(windows.mainWindow().locale().decimalSeparator);
    const QString defaultLambda = QStringLiteral("λ = 1") + point + QStringLiteral("21977");
    struct Case {
        const char* name;
        std::function<void()> open;
    };
    const Case cases[] = {
        {"button", [] { click("frmForm1", "outlookButton"); }},
        {"Ctrl+L",
         [this] {
             windows.mainWindow().activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&windows.mainWindow()));
             input::keyClick(&windows.mainWindow(), Qt::Key_L, Qt::ControlModifier);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QSignalSpy requested(&windows.mainWindow(), &ui::MainWindow::outlookRequested);
        c.open();
        EXPECT_EQ(requested.count(), 1);
        ui::OutlookWindow* outlook = windows.outlook.existing();
        ASSERT_NE(outlook, nullptr);
        EXPECT_TRUE(outlook->isVisible());
        EXPECT_FALSE(windows.mainWindow().isVisible());
        EXPECT_EQ(outlook->windowTitle(), "Long-term outlook");
        EXPECT_TRUE(lambdaText(*outlook).contains(defaultLambda)) << lambdaText(*outlook).toStdString();
        auto* back = outlook->findChild<QPushButton*>(QStringLiteral("outlookGoBackButton"));
        ASSERT_NE(back, nullptr);
        input::click(back);
        EXPECT_FALSE(outlook->isVisible());
        EXPECT_TRUE(windows.mainWindow().isVisible());
    }
}

TEST_F(ProgramWindowsTest, ANewRunFromTheEditorRefreshesTheOutlook)
{
    click("frmForm1", "outlookButton");
    ui::OutlookWindow* outlook = windows.outlook.existing();
    ASSERT_NE(outlook, nullptr);
    const QString before = lambdaText(*outlook);
    input::click(input::findControl(*outlook, "outlookGoBackButton"));

    click("frmForm1", "Command5");
    auto* fecundity = window("dalvo3")->findChild<QLineEdit*>(QStringLiteral("m1(1)"));
    ASSERT_NE(fecundity, nullptr);
    fecundity->setText(QStringLiteral("5"));
    click("dalvo3", "Command1");
    ASSERT_TRUE(windows.mainWindow().isVisible());

    EXPECT_FALSE(lambdaText(*outlook).isEmpty());
    EXPECT_NE(lambdaText(*outlook), before);
    click("frmForm1", "outlookButton");
    EXPECT_NE(lambdaText(*outlook), before);
}

// The λ line of the growth-rate chart follows the matrix of the main window.
TEST_F(ProgramWindowsTest, TheGrowthRateChartDrawsLambdaOfTheMatrixShown)
{
    auto lambdaGuide = [this] {
        ui::ChartWindow* chart = windows.charts.existing();
        EXPECT_NE(chart, nullptr);
        for (const auto& guide : chart->renderer().guides())
            if (guide.label.startsWith(QStringLiteral("λ = ")))
                return guide.label;
        return QString();
    };
    projectFourSteps();
    click("frmForm1", "Command4");
    click("dalvofig", "Command2");
    const QString separator = QString::fromStdString(windows.mainWindow().locale().decimalSeparator);
    EXPECT_EQ(lambdaGuide(), QStringLiteral("λ = 1") + separator + QStringLiteral("21977"));
    click("dalvofig", "Command6");

    click("frmForm1", "Command5");
    window("dalvo3")->findChild<QLineEdit*>(QStringLiteral("m1(1)"))->setText(QStringLiteral("5"));
    click("dalvo3", "Command1");
    projectFourSteps();
    click("frmForm1", "Command4");
    click("dalvofig", "Command2");
    EXPECT_FALSE(lambdaGuide().isEmpty());
    EXPECT_NE(lambdaGuide(), QStringLiteral("λ = 1") + separator + QStringLiteral("21977"));
}

TEST_F(ProgramWindowsTest, TheOutlookButtonMovesNoOtherControl)
{
    ui::MainWindow& main = windows.mainWindow();
    auto* button = main.findChild<QPushButton*>(QStringLiteral("outlookButton"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Outlook");
    EXPECT_EQ(button->toolTip(), "Long-term outlook (Ctrl+L)");
    const QRect place(button->mapTo(&main, QPoint(0, 0)), button->size());
    for (QWidget* other : main.findChildren<QWidget*>()) {
        if (other == button || other->isAncestorOf(button) || !other->isVisible() ||
            other->objectName() == "Line1-Line18")
            continue;
        const QRect otherPlace(other->mapTo(&main, QPoint(0, 0)), other->size());
        EXPECT_FALSE(place.intersects(otherPlace)) << other->objectName().toStdString();
    }
}

TEST_F(ProgramWindowsTest, StartUpShowsTheTitleScreenOverTheBackdrop)
{
    ProgramWindows fresh;
    fresh.start();
    EXPECT_TRUE(fresh.backdrop().isVisible());
    EXPECT_TRUE(fresh.titleScreen().isVisible());
    EXPECT_FALSE(fresh.mainWindow().isVisible());
    EXPECT_EQ(fresh.mainWindow().findChild<QLineEdit*>("total1")->text(), "10");
    EXPECT_EQ(fresh.history().step(0).total, 10);

    input::doubleClick(&fresh.titleScreen());
    EXPECT_TRUE(fresh.mainWindow().isVisible());
    EXPECT_FALSE(fresh.titleScreen().isVisible());
    EXPECT_TRUE(fresh.backdrop().isVisible());
}

// Each window opened from the main window: its button hides it with its
// contents intact; its close box destroys it, and the next use builds it anew.
TEST_F(ProgramWindowsTest, OpenLeaveAndCloseEachWindow)
{
    struct Case {
        const char* opener;
        const char* window;
        const char* backButton;
    };
    const std::vector<Case> cases = {
        {"Command6", "dalvo5", "Command1"},
        {"Command8", "Introfrm", "Command1"},
        {"Label4", "Introfrm", "Command1"},
        {"Command10", "Quiz", "Command1"},
        {"Command11", "DataTabl", "Command1"},
        {"Command4", "dalvofig", "Command6"},
        {"ownPopulationButton", "ownPopulationWindow", "goBackButton"},
        // Last: its "Go Back" starts a new run, which disables "Graph".
        {"Command5", "dalvo3", "Command1"},
    };
    projectFourSteps();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        click("frmForm1", c.opener);
        EXPECT_EQ(visibleWindows(), QStringList{c.window});
        QPointer<QWidget> first = window(c.window);

        click(c.window, c.backButton);
        EXPECT_EQ(visibleWindows(), QStringList{"frmForm1"});

        click("frmForm1", c.opener);
        EXPECT_EQ(window(c.window), first.data()) << "left by its button, the window is kept";

        closeBox(c.window);
        EXPECT_EQ(visibleWindows(), QStringList{"frmForm1"});
        EXPECT_TRUE(first.isNull()) << "the close box destroys the window";

        click("frmForm1", c.opener);
        EXPECT_EQ(visibleWindows(), QStringList{c.window});
        EXPECT_NE(window(c.window), nullptr);
        closeBox(c.window);
    }
}

TEST_F(ProgramWindowsTest, IntroductionLeadsToReferencesAndTheReferencesBackToMain)
{
    click("frmForm1", "Command8");
    click("Introfrm", "Command2");
    EXPECT_EQ(visibleWindows(), QStringList{"Referenc"});
    click("Referenc", "Command1");
    EXPECT_EQ(visibleWindows(), QStringList{"frmForm1"});

    click("frmForm1", "Label4");
    click("Introfrm", "Command2");
    input::click(window("Referenc"), QPoint(5, 5));
    EXPECT_EQ(visibleWindows(), QStringList{"frmForm1"});
}

TEST_F(ProgramWindowsTest, TablesLeadToEachOtherAndBack)
{
    projectFourSteps();
    click("frmForm1", "Command11");
    QPointer<QWidget> detail = window("DataTabl");
    click("DataTabl", "Command3");
    EXPECT_EQ(visibleWindows(), QStringList{"frmAgeDist"});
    click("frmAgeDist", "Command2");
    EXPECT_EQ(visibleWindows(), QStringList{"DataTabl"});
    EXPECT_EQ(window("DataTabl"), detail.data());
    click("DataTabl", "Command3");
    click("frmAgeDist", "Command1");
    EXPECT_EQ(visibleWindows(), QStringList{"frmForm1"});

    click("frmForm1", "Command11");
    click("DataTabl", "Command3");
    closeBox("frmAgeDist");
    EXPECT_EQ(visibleWindows(), QStringList{"frmForm1"});
}

TEST_F(ProgramWindowsTest, EveryQuitButtonLeadsThroughAboutAndDedicationToTheEnd)
{
    struct Case {
        const char* name;
        const char* window;
        const char* opener;
        const char* quitButton;
    };
    const std::vector<Case> cases = {
        {"main window Q", "frmForm1", nullptr, "Command3"},
        {"chart window Quit", "dalvofig", "Command4", "Command5"},
        {"editor Quit", "dalvo3", "Command5", "Command2"},
    };
    projectFourSteps();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.opener)
            click("frmForm1", c.opener);
        click(c.window, c.quitButton);
        EXPECT_EQ(visibleWindows(), QStringList{"copyrigh"});
        // Changing one's mind: the about screen's close box goes back.
        closeBox("copyrigh");
        EXPECT_EQ(visibleWindows(), QStringList{"frmForm1"});
    }

    QSignalSpy ended(&windows, &ProgramWindows::programEnded);
    click("frmForm1", "Command3");
    click("copyrigh", "Command1");
    EXPECT_EQ(visibleWindows(), QStringList{"Vater"});
    EXPECT_EQ(ended.count(), 0);
    click("Vater", "Command1");
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(ProgramWindowsTest, ClosingTheDedicationOrTheMainWindowEndsTheProgram)
{
    QSignalSpy ended(&windows, &ProgramWindows::programEnded);
    click("frmForm1", "Command3");
    click("copyrigh", "Command1");
    closeBox("Vater");
    EXPECT_EQ(ended.count(), 1);

    windows.mainWindow().show();
    windows.mainWindow().close();
    EXPECT_EQ(ended.count(), 2);
}

TEST_F(ProgramWindowsTest, EditorGoBackStartsANewRunInTheMainWindow)
{
    projectFourSteps();
    click("frmForm1", "Command5");
    click("dalvo3", "Command1");
    EXPECT_EQ(visibleWindows(), QStringList{"frmForm1"});
    EXPECT_EQ(windows.history().stepCount(), 0);
    EXPECT_EQ(windows.mainWindow().findChild<QLineEdit*>("total1")->text(), "10");
    EXPECT_FALSE(windows.mainWindow().findChild<QWidget*>("Command4")->isEnabled());
}

TEST_F(ProgramWindowsTest, OwnPopulationStartsFromTheRunAndEscapeLeadsBack)
{
    click("frmForm1", "ownPopulationButton");
    ui::OwnPopulationWindow* own = windows.ownPopulation.existing();
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(visibleWindows(), QStringList{"ownPopulationWindow"});
    EXPECT_EQ(own->windowTitle(), "Own population");
    EXPECT_EQ(own->population().matrix, windows.run().matrix());
    EXPECT_EQ(own->population().initial, windows.history().step(0).counts);
    input::keyClick(own, Qt::Key_Escape);
    EXPECT_EQ(visibleWindows(), QStringList{"frmForm1"});
}

// Ctrl+O in the main window asks for a file first: only a readable one opens the window.
TEST(OwnPopulationFromAFileTest, CtrlOOpensTheWindowOnlyWithAPopulation)
{
    QTemporaryDir folder;
    auto write = [&folder](const char* name, const char* contents) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return file.fileName();
    };
    struct Case {
        const char* name;
        QString file;  // empty: the student cancels
        bool opens;
    };
    const Case cases[] = {
        {"cancelled", {}, false},
        {"not a population", write("bad.txt", "nothing here\n"), false},
        {"missing", folder.filePath("missing.csv"), false},
        {"life table", write("table.csv", "x,lx,mx\n0,1,0\n1,0.8,1\n2,0.4,2\n3,0.2,1\n4,0.1,1\n5,0,0\n"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::ScriptedPrompts prompts;
        ProgramWindows windows(prompts);
        windows.start();
        input::keyClick(&windows.titleScreen(), Qt::Key_Space);
        windows.mainWindow().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&windows.mainWindow()));
        if (!c.file.isEmpty())
            prompts.fileNames = {c.file};
        input::keyClick(&windows.mainWindow(), Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(prompts.suggestions.size(), 1);
        ui::OwnPopulationWindow* own = windows.ownPopulation.existing();
        EXPECT_EQ(own != nullptr && own->isVisible(), c.opens);
        EXPECT_EQ(windows.mainWindow().isVisible(), !c.opens);
        EXPECT_EQ(prompts.reports.size(), !c.opens && !c.file.isEmpty() ? 1 : 0);
        if (!c.opens)
            continue;
        // Four classes: "Use in the main window" fills the editor, whose OK starts the run.
        ASSERT_TRUE(own->population().lifeTable);
        const LeslieMatrix chosen = own->population().matrix;
        ASSERT_EQ(chosen.classes(), 4);
        click("ownPopulationWindow", "useButton");
        EXPECT_EQ(windows.editor.get().texts().m1[1],
                  formatGeneral(chosen.fecundity[1], windows.mainWindow().locale()));
        click("dalvo3", "Command1");
        EXPECT_TRUE(windows.mainWindow().isVisible());
        EXPECT_EQ(windows.run().matrix(), chosen);
    }
}

}  // namespace
}  // namespace dalvo::app
