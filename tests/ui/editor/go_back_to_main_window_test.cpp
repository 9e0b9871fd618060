// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <vector>

#include "presentation/main_fields.h"
#include "model/number_text.h"
#include "ui/common/messages.h"
#include "ui/editor/new_run_editor.h"
#include "ui/main/main_window.h"
#include "support/scripted_prompts.h"

namespace dalvo::ui {
namespace {

// A main window over a history of its own and an editor wired to it the way
// the program wires them: "Change default values" hides the main window and
// shows the editor; an accepted "Go Back" hides the editor, shows the main
// window and starts the new run there; the close box only shows the main
// window.
class GoBackToMainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        main.load();
        showActive(&main);
        editor = new NewRunEditor(main.locale());
        QObject::connect(editor, &NewRunEditor::defaultsAccepted, [this](const NewRun& run) {
            editor->hide();
            main.show();
            main.activateWindow();
            main.startNewRun(run.matrix, run.initial);
        });
        QObject::connect(editor, &SecondaryWindow::closeBoxUsed, [this] { main.show(); });
    }
    void TearDown() override { delete editor.data(); }

    static void showActive(QWidget* window)
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    void openEditor()
    {
        main.hide();
        showActive(editor);
    }
    void type(const QString& cell, const QString& text)
    {
        QLineEdit* field = editor->findChild<QLineEdit*>(cell);
        ASSERT_NE(field, nullptr) << cell.toStdString();
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    void goBack() { QTest::mouseClick(editor->findChild<QPushButton*>("Command1"), Qt::LeftButton); }
    void clickMain(const char* name) { QTest::mouseClick(main.findChild<QWidget*>(name), Qt::LeftButton); }
    QString mainText(const QString& name) const { return main.findChild<QLineEdit*>(name)->text(); }
    QStringList mainTexts(const QString& array, int count) const
    {
        QStringList result;
        for (int i = 0; i < count; ++i)
            result << mainText(QStringLiteral("%1(%2)").arg(array).arg(i));
        return result;
    }
    void projectAndTransit(int steps)
    {
        for (int k = 0; k < steps; ++k) {
            clickMain("Command1");
            if (k + 1 < steps)
                clickMain("Command2");
        }
    }

    StepwiseRun run;
    const History* history = &run.history();
    ScriptedPrompts prompts;
    MainWindow main{run, prompts};
    QPointer<NewRunEditor> editor;
};

TEST_F(GoBackToMainWindowTest, GoBackAtOnceRestartsFromTheDefaults)
{
    for (int stepsBefore : {0, 1, 5}) {
        SCOPED_TRACE(stepsBefore);
        projectAndTransit(stepsBefore);
        openEditor();

        goBack();

        EXPECT_FALSE(editor->isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        const QString half = toQString(formatGeneral(0.5, main.locale()));
        EXPECT_EQ(mainTexts("m", 16),
                  QStringList({"0", "1", "2", "1", half, "0", "0", "0", "0", "1", "0", "0", "0", "0", half, "0"}));
        EXPECT_EQ(mainTexts("n1", 4), QStringList({"10", "0", "0", "0"}));
        EXPECT_EQ(mainTexts("n2", 4), QStringList({"", "", "", ""}));
        EXPECT_EQ(mainText("total1"), "10");
        EXPECT_EQ(mainText("txtSimu0"), "0");
        EXPECT_EQ(mainText("txtSimuT"), "");
        EXPECT_EQ(mainText("total2"), "");
        EXPECT_EQ(mainText("growrate"), "");
        EXPECT_EQ(history->stepCount(), 0);
        EXPECT_EQ(history->step(0).total, 10);
        EXPECT_TRUE(main.findChild<QWidget*>("Command1")->hasFocus());
        EXPECT_TRUE(main.findChild<QWidget*>("Command1")->isEnabled());
        EXPECT_FALSE(main.findChild<QWidget*>("Command2")->isEnabled());
        EXPECT_FALSE(main.findChild<QWidget*>("Command4")->isEnabled());
        EXPECT_TRUE(main.findChild<QWidget*>("Project")->isVisible());
        EXPECT_FALSE(main.findChild<QWidget*>("Transit")->isVisible());
    }
}

TEST_F(GoBackToMainWindowTest, RefusedSurvivalRateKeepsTheMainWindowHiddenAndUntouched)
{
    projectAndTransit(2);
    const MainFields before = shownFields(main.run(), main.locale());
    openEditor();
    type("m1(9)", "1.0001");

    goBack();

    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(editor->findChild<QWidget*>("Command3")->hasFocus());
    EXPECT_TRUE(editor->findChild<QWidget*>("Label1")->isVisible());
    EXPECT_TRUE(shownFields(main.run(), main.locale()) == before);
    EXPECT_EQ(history->stepCount(), 2);
}

TEST_F(GoBackToMainWindowTest, AcceptedCellsReachTheMainWindow)
{
    const bool periodLocale = main.locale().decimalSeparator == ".";
    struct Case {
        const char* name;
        const char* cell;
        const char* typed;
        const char* mainCell;
        const char* shown;
    };
    std::vector<Case> cases = {
        {"survival rate of exactly 1", "m1(9)", "1", "m(9)", "1"},
        {"blanks and trailing zeros", "m1(3)", " 2.50", "m(3)", periodLocale ? "2.5" : "2,5"},
        {"unreadable fecundity", "m1(2)", "abc", "m(2)", "0"},
        {"initial number", "n0(1)", " 7 ", "n1(1)", "7"},
    };
    // Reading stops at a comma only where the comma is not the separator.
    if (periodLocale)
        cases.push_back({"comma ends the number", "m1(0)", "1,5", "m(0)", "1"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openEditor();
        type(c.cell, c.typed);
        goBack();
        EXPECT_TRUE(main.isVisible());
        EXPECT_EQ(mainText(c.mainCell), c.shown);
        EXPECT_EQ(editor->findChild<QLineEdit*>(c.cell)->text(), c.shown);
    }
}

TEST_F(GoBackToMainWindowTest, AfterTenStepsGoBackStartsANewRunAtStepZero)
{
    projectAndTransit(10);
    ASSERT_EQ(history->stepCount(), 10);

    openEditor();
    type("n0(0)", "20");
    goBack();

    EXPECT_EQ(history->stepCount(), 0);
    EXPECT_EQ(history->step(0).counts[0], 20);
    EXPECT_EQ(history->step(0).total, 20);
    EXPECT_EQ(mainText("total1"), "20");
    EXPECT_EQ(mainText("txtSimu0"), "0");
    EXPECT_FALSE(main.findChild<QWidget*>("Command4")->isEnabled());

    clickMain("Command1");

    EXPECT_EQ(history->stepCount(), 1);
    EXPECT_EQ(mainTexts("n2", 4), QStringList({"0", "10", "0", "0"}));
    EXPECT_EQ(mainText("txtSimuT"), "1");
    EXPECT_EQ(history->step(0).counts[0], 20);
    EXPECT_EQ(history->step(0).proportions[0], 1);
    EXPECT_EQ(history->step(1).counts[1], 10);
    EXPECT_EQ(history->step(1).total, 10);
    EXPECT_EQ(history->change(0), -10);
    EXPECT_FLOAT_EQ(history->growthRate(0), 0.5f);
    // Nothing of the old run can be read any more.
    EXPECT_THROW(history->step(2), std::out_of_range);
}

TEST_F(GoBackToMainWindowTest, CloseBoxWritesNothingAndTheNextEditorStartsAfresh)
{
    projectAndTransit(3);
    const MainFields before = shownFields(main.run(), main.locale());
    openEditor();
    type("m1(0)", "4");
    type("n0(0)", "99");

    editor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(editor.isNull());
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(shownFields(main.run(), main.locale()) == before);
    EXPECT_EQ(history->stepCount(), 3);

    NewRunEditor reopened(main.locale());
    EXPECT_EQ(reopened.texts(), designTexts(main.locale()));
    EXPECT_EQ(reopened.texts().m1, shownFields(main.run(), main.locale()).matrixCells);
}

}  // namespace
}  // namespace dalvo::ui
