// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/main/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "model/default_values.h"
#include "tests/ui/common/number_in_view.h"
#include "ui/common/messages.h"
#include "ui/common/page_printer.h"
#include "ui/common/twips.h"
#include "support/scripted_prompts.h"
#include "tests/support/input_driver.h"

namespace dalvo::ui {
namespace {

// A loaded, shown main window over a history of its own.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        window.load();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <class T = QWidget>
    T* control(const QString& name)
    {
        return input::findControl<T>(window, name);
    }
    QString text(const QString& field) { return control<QLineEdit>(field)->text(); }
    QStringList texts(const QString& array, int count)
    {
        QStringList result;
        for (int i = 0; i < count; ++i)
            result << text(QStringLiteral("%1(%2)").arg(array).arg(i));
        return result;
    }
    void click(const QString& name) { input::click(control(name)); }
    // Numbers as the window writes them under the locale the test runs in.
    QString number(double value) const { return toQString(formatGeneral(value, window.locale())); }
    QStringList numbers(std::initializer_list<double> values) const
    {
        QStringList result;
        for (double value : values)
            result << number(value);
        return result;
    }

    // A matrix change made elsewhere in the program reaches the window through the run.
    void setCell(MatrixCell cell, double value)
    {
        LeslieMatrix matrix = run.matrix();
        ASSERT_TRUE(dalvo::setMatrixCell(matrix, cell, value));
        ASSERT_TRUE(run.setMatrix(matrix).ok());
    }

    StepwiseRun run;
    const History* history = &run.history();
    ScriptedPrompts prompts;
    MainWindow window{run, prompts};
};

TEST_F(MainWindowTest, StartState)
{
    EXPECT_EQ(window.windowTitle(), "Dalvo-Leslie Matrix");
    EXPECT_EQ(texts("m", 16), numbers({0, 1, 2, 1, 0.5, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0.5, 0}));
    EXPECT_EQ(texts("n1", 4), QStringList({"10", "0", "0", "0"}));
    EXPECT_EQ(texts("n2", 4), QStringList({"", "", "", ""}));
    EXPECT_EQ(text("total1"), "10");
    EXPECT_EQ(text("txtSimu0"), "0");
    EXPECT_EQ(text("total2"), "");
    EXPECT_EQ(text("growrate"), "");
    EXPECT_EQ(text("txtSimuT"), "");

    EXPECT_TRUE(control("Command1")->isEnabled());
    EXPECT_FALSE(control("Command2")->isEnabled());
    EXPECT_FALSE(control("Command4")->isEnabled());
    EXPECT_TRUE(control("Project")->isVisible());
    EXPECT_FALSE(control("Transit")->isVisible());
    for (const char* name : {"Command3", "Command5", "Command6", "Command7", "Command8", "Command9",
                             "Command10", "Command11", "Command12", "Label4"})
        EXPECT_TRUE(control(name)->isEnabled()) << name;

    EXPECT_EQ(history->stepCount(), 0);
    EXPECT_EQ(history->step(0).total, 10);
    EXPECT_TRUE(control<QLabel>("Label5")->text().contains(QString::number(QDate::currentDate().year())));
    EXPECT_FALSE(control<QLabel>("Label14")->text().isEmpty());
}

TEST_F(MainWindowTest, FixedSizeWithoutMinimiseOrMaximise)
{
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(MainWindowTest, ProjectAndTransitAlternateWithFocus)
{
    struct Step {
        QStringList n2;
        QString total2, growrate, txtSimuT;
        bool graph;
    };
    const std::vector<Step> steps = {
        {numbers({0, 5, 0, 0}), "5", number(0.5), "1", false},
        {numbers({5, 0, 5, 0}), "10", "2", "2", false},
        {numbers({10, 2.5, 0, 2.5}), "15", number(1.5), "3", false},
        {numbers({5, 5, 2.5, 0}), number(12.5), number(12.5 / 15), "4", true},
    };
    for (std::size_t k = 0; k < steps.size(); ++k) {
        SCOPED_TRACE(k + 1);
        if (k > 0) {
            click("Command2");
            EXPECT_TRUE(control("Command1")->hasFocus());
            EXPECT_EQ(text("txtSimu0"), QString::number(k));
            EXPECT_EQ(texts("n2", 4), QStringList({"", "", "", ""}));
        }
        click("Command1");
        const Step& s = steps[k];
        EXPECT_EQ(texts("n2", 4), s.n2);
        EXPECT_EQ(text("total2"), s.total2);
        EXPECT_EQ(text("growrate"), s.growrate);
        EXPECT_EQ(text("txtSimuT"), s.txtSimuT);
        EXPECT_EQ(control("Command4")->isEnabled(), s.graph);
        EXPECT_FALSE(control("Command1")->isEnabled());
        EXPECT_TRUE(control("Command2")->isEnabled());
        EXPECT_TRUE(control("Command2")->hasFocus());
        EXPECT_FALSE(control("Project")->isVisible());
        EXPECT_TRUE(control("Transit")->isVisible());
        EXPECT_TRUE(control("Transit")->isEnabled());
    }
    EXPECT_EQ(history->stepCount(), 4);
}

// A number wider than its field must still be read at its right magnitude:
// 64.365234375 may not appear as "4.365234375", nor 1.2E+87 as "E+87".
TEST_F(MainWindowTest, EveryNumberShowsItsSignWholePartAndExponent)
{
    const QString separator = toQString(window.locale().decimalSeparator);
    const QList<QLineEdit*> fields = window.findChildren<QLineEdit*>();
    ASSERT_EQ(fields.size(), 16 + 4 + 4 + 5);
    auto expectAllInView = [&] {
        for (QLineEdit* field : fields)
            EXPECT_TRUE(magnitudeInView(field, separator));
    };
    auto toArray = [&separator](const QStringList& texts, auto& into) {
        for (std::size_t i = 0; i < into.size(); ++i)
            into[i] = QString(texts[static_cast<qsizetype>(i)]).replace('.', separator).toStdString();
    };

    struct Run {
        const char* name;
        QStringList matrix;
        QStringList initial;
        std::vector<int> checkedSteps;
    };
    std::vector<int> longRun;
    for (int step = 1; step <= 40; ++step)
        longRun.push_back(step);
    for (int step = 100; step <= kLastStep; step += 100)
        longRun.push_back(step);
    const std::vector<Run> runs = {
        {"the default run to its last step",
         {"0", "1", "2", "1", "0.5", "0", "0", "0", "0", "1", "0", "0", "0", "0", "0.5", "0"},
         {"10", "0", "0", "0"},
         longRun},
        {"long entries of the student's own",
         {"0.125", "-2.5", "123456.789", "1.5E+20", "0.333333333333333", "0", "0", "0", "0", "1E-05", "0",
          "0", "0", "0", "0.875", "0"},
         {"123456789012345", "0.000123456789", "-7", "2"},
         {1, 2, 3}},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.name);
        std::array<std::string, 16> matrix;
        std::array<std::string, 4> initial;
        toArray(run.matrix, matrix);
        toArray(run.initial, initial);
        const Result<NewRun> numbers = newRunFrom({matrix, initial}, window.locale());
        ASSERT_TRUE(numbers.ok());
        window.startNewRun(numbers->matrix, numbers->initial);
        ASSERT_EQ(history->stepCount(), 0);
        expectAllInView();
        for (int step : run.checkedSteps) {
            SCOPED_TRACE(step);
            while (history->stepCount() < step) {
                if (history->stepCount() > 0)
                    window.transit();
                window.project();
            }
            ASSERT_EQ(history->stepCount(), step);
            expectAllInView();
        }
        window.transit();
        expectAllInView();
    }
}

TEST_F(MainWindowTest, PicturesRunTheirOperations)
{
    click("Project");
    EXPECT_EQ(history->stepCount(), 1);
    EXPECT_TRUE(control("Transit")->isVisible());
    click("Transit");
    EXPECT_EQ(texts("n1", 4), QStringList({"0", "5", "0", "0"}));
    EXPECT_TRUE(control("Project")->isVisible());
    EXPECT_FALSE(control("Transit")->isVisible());
}

// A run can be driven from the keyboard alone: the key presses the focused
// button, and the focus moves between "Project" and "Transit".
TEST_F(MainWindowTest, SpaceAndEnterPressTheFocusedButton)
{
    const std::pair<const char*, Qt::Key> keys[] = {
        {"Space", Qt::Key_Space}, {"Return", Qt::Key_Return}, {"keypad Enter", Qt::Key_Enter}};
    for (const auto& [name, key] : keys) {
        SCOPED_TRACE(name);
        const int before = history->stepCount();
        ASSERT_TRUE(control("Command1")->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(history->stepCount(), before + 1);
        ASSERT_TRUE(control("Command2")->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_TRUE(control("Command1")->hasFocus());
        EXPECT_EQ(history->stepCount(), before + 1);
    }
}

TEST_F(MainWindowTest, KeystrokesInFieldsChangeNothing)
{
    click("Command1");
    for (const char* name :
         {"m(0)", "m(4)", "n1(0)", "n2(1)", "total1", "total2", "growrate", "txtSimu0", "txtSimuT"}) {
        SCOPED_TRACE(name);
        QLineEdit* field = control<QLineEdit>(name);
        const QString before = field->text();
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClicks(field, "42x.");
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(field->text(), before);
    }
    EXPECT_EQ(history->stepCount(), 1);
}

TEST_F(MainWindowTest, TabSkipsTheMatrixAndCurrentVector)
{
    QWidget* start = control("Command1");
    start->setFocus();
    for (int k = 0; k < 60; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString name = QApplication::focusWidget()->objectName();
        EXPECT_FALSE(name.startsWith("m(") || name.startsWith("n1(")) << name.toStdString();
    }
}

TEST_F(MainWindowTest, MatrixChangeHandler)
{
    click("Command1");
    setCell(MatrixCell{0, 1}, 3);
    EXPECT_EQ(text("m(1)"), "3");
    EXPECT_EQ(texts("n2", 4), QStringList({"", "", "", ""}));
    EXPECT_EQ(text("total2"), "");
    EXPECT_EQ(text("growrate"), "");
    EXPECT_EQ(text("txtSimuT"), "1");
    EXPECT_EQ(text("total1"), "10");
    EXPECT_TRUE(control("Command1")->isEnabled());
    EXPECT_FALSE(control("Command2")->isEnabled());
    EXPECT_TRUE(control("Project")->isVisible());
    EXPECT_EQ(history->stepCount(), 1);

    click("Command1");
    EXPECT_EQ(texts("n2", 4), QStringList({"0", "5", "0", "0"}));
    EXPECT_EQ(history->stepCount(), 2);
}

TEST_F(MainWindowTest, FailedStepShowsAMessageAndChangesNothing)
{
    // Without the one survival rate that N(0) = 10, 0, 0, 0 needs, the
    // population dies out at once.
    setCell(MatrixCell{1, 0}, 0);

    click("Command1");

    auto* message = window.findChild<QMessageBox*>("problemMessage");
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    EXPECT_TRUE(message->text().contains("step 1")) << message->text().toStdString();
    EXPECT_EQ(history->stepCount(), 0);
    EXPECT_THROW(history->step(1), std::out_of_range);
    EXPECT_EQ(texts("n2", 4), QStringList({"", "", "", ""}));
    EXPECT_EQ(text("txtSimuT"), "");
    EXPECT_TRUE(control("Command1")->isEnabled());
    EXPECT_FALSE(control("Command2")->isEnabled());
    message->close();
}

TEST_F(MainWindowTest, NavigationButtonsAskForTheirWindows)
{
    struct Case {
        const char* control;
        void (MainWindow::*signal)();
    };
    const std::vector<Case> cases = {
        {"Label4", &MainWindow::introductionRequested}, {"Command8", &MainWindow::introductionRequested},
        {"Command6", &MainWindow::howToRequested},      {"Command10", &MainWindow::quizRequested},
        {"Command5", &MainWindow::editorRequested},     {"Command3", &MainWindow::quitRequested},
        {"Command11", &MainWindow::detailRequested},    {"Command9", &MainWindow::saveRequested},
        {"Command12", &MainWindow::batchRequested},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        QSignalSpy spy(&window, c.signal);
        click(c.control);
        EXPECT_EQ(spy.count(), 1);
        EXPECT_TRUE(window.isVisible());
    }
    for (int k = 0; k < 4; ++k) {
        click("Command1");
        click("Command2");
    }
    QSignalSpy graph(&window, &MainWindow::graphRequested);
    click("Command4");
    EXPECT_EQ(graph.count(), 1);
}

TEST_F(MainWindowTest, PrintWithoutPrinterOffersAPdf)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a printer";
    QTemporaryDir folder;
    const QString path = folder.filePath("page.pdf");
    prompts.fileNames = {path};
    click("Command1");
    const QStringList n2Before = texts("n2", 4);

    click("Command7");

    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_TRUE(prompts.questions.front().contains("No printer")) << prompts.questions.front().toStdString();
    EXPECT_EQ(prompts.askers.front(), &window);
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_GT(pdf.size(), 1000);
    EXPECT_EQ(texts("n2", 4), n2Before);
    EXPECT_EQ(history->stepCount(), 1);
    EXPECT_TRUE(control("Command2")->isEnabled());
}

TEST_F(MainWindowTest, ClockTicksEvenWhileHidden)
{
    QLabel* clock = control<QLabel>("Label13");
    EXPECT_TRUE(clock->text().contains(QString::number(QDate::currentDate().year() % 100)));
    window.hide();
    const QString before = clock->text();
    EXPECT_TRUE(QTest::qWaitFor([&] { return clock->text() != before; }, 2500));
}

TEST_F(MainWindowTest, HidingKeepsTheState)
{
    click("Command1");
    window.hide();
    window.show();
    EXPECT_EQ(texts("n2", 4), QStringList({"0", "5", "0", "0"}));
    EXPECT_TRUE(control("Command2")->isEnabled());
}

TEST_F(MainWindowTest, CloseBoxEndsTheProgram)
{
    QSignalSpy end(&window, &MainWindow::programEndRequested);
    window.close();
    EXPECT_EQ(end.count(), 1);
}

}  // namespace
}  // namespace dalvo::ui
