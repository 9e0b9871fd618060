// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/tables/table_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <vector>

#include "support/table_runs.h"
#include "ui/common/twips.h"
#include "ui/tables/history_table_model.h"
#include "support/scripted_prompts.h"
#include "tests/support/input_driver.h"

namespace dalvo::ui {
namespace {

// The tables built here never ask; should one, the test sees no answer.
ScriptedPrompts prompts;

// A filled, shown age-distribution table over a run of its own.
class AgeDistributionTableTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = new TableWindow(AgeColumns::Proportions, run.model, NumberLocale{}, prompts);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void TearDown() override { delete window.data(); }

    template <class T = QWidget>
    T* control(const QString& name)
    {
        return input::findControl<T>(*window, name);
    }
    void click(const QString& name) { input::click(control(name)); }

    DefaultRun run{4};
    QPointer<TableWindow> window;
};

TEST_F(AgeDistributionTableTest, LayoutFollowsTheTwipPlan)
{
    EXPECT_EQ(window->objectName(), "frmAgeDist");
    EXPECT_EQ(window->windowTitle(), "Age distribution");
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    expectTimesTwelve(*window, TableWindow::sheet(AgeColumns::Proportions));
    // No print button here, and nothing to print with.
    EXPECT_EQ(window->findChildren<QPushButton*>().size(), 2);
    EXPECT_EQ(window->pagePrinter(), nullptr);
    EXPECT_EQ(window->ageColumns(), AgeColumns::Proportions);
    EXPECT_EQ(shownHeadings(window->historyTable()), kHeadings);
}

TEST_F(AgeDistributionTableTest, TabGoesFromTheTableToTheButtonsLeftToRight)
{
    EXPECT_EQ(QApplication::focusWidget(), &window->historyTable());
    expectTabCycle({"Command1", "Command2", "MSFlexGrid1"});
}

TEST_F(AgeDistributionTableTest, FillsOneRowOfSharesPerStepOfTheRun)
{
    struct Case {
        const char* name;
        int projections;
        QList<QStringList> rows;
    };
    const std::vector<Case> cases = {
        {"right after start-up", 0, {{"0", "1", "0", "0", "0", "10", "-"}}},
        {"after one projection",
         1,
         {{"0", "1", "0", "0", "0", "10", "0.5"}, {"1", "0", "1", "0", "0", "5", "-"}}},
        {"after four projections",
         4,
         {{"0", "1", "0", "0", "0", "10", "0.5"},
          {"1", "0", "1", "0", "0", "5", "2"},
          {"2", "0.5", "0", "0.5", "0", "10", "1.5"},
          {"3", "0.6667", "0.1667", "0", "0.1667", "15", "0.8333"},
          {"4", "0.4", "0.4", "0.2", "0", "12.5", "-"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DefaultRun own(c.projections);
        TableWindow table(AgeColumns::Proportions, own.model, NumberLocale{}, prompts);
        expectStepRows(table.historyTable(), c.rows);
    }
}

TEST_F(AgeDistributionTableTest, ButtonsOnlyAskForTheirWindow)
{
    struct Case {
        const char* button;
        int backToMain;
        int ageStructure;
    };
    const std::vector<Case> cases = {{"Command1", 1, 0}, {"Command2", 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        const QList<QStringList> before = allRows(window->tableModel());
        QSignalSpy backToMain(window.data(), &TableWindow::backToMainRequested);
        QSignalSpy ageStructure(window.data(), &TableWindow::otherTableRequested);
        QSignalSpy closed(window.data(), &TableWindow::closeBoxUsed);
        click(c.button);
        EXPECT_EQ(backToMain.count(), c.backToMain);
        EXPECT_EQ(ageStructure.count(), c.ageStructure);
        EXPECT_EQ(closed.count(), 0);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(allRows(window->tableModel()), before);
    }
}

TEST_F(AgeDistributionTableTest, CloseBoxReportsAndDestroysTheWindow)
{
    QSignalSpy closed(window.data(), &TableWindow::closeBoxUsed);
    QSignalSpy backToMain(window.data(), &TableWindow::backToMainRequested);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(backToMain.count(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

// Both tables read the one run: a table on screen follows it at once, a
// hidden one when it is shown again.
TEST_F(AgeDistributionTableTest, BothTablesFollowTheirRun)
{
    DefaultRun own(2);
    TableWindow detail(AgeColumns::Numbers, own.model, NumberLocale{}, prompts);
    TableWindow shares(AgeColumns::Proportions, own.model, NumberLocale{}, prompts);
    shares.show();
    ASSERT_EQ(shares.tableModel().rowCount(), 3);

    own.project(3);
    EXPECT_EQ(shares.tableModel().rowCount(), 6);
    EXPECT_EQ(stepRow(shares.tableModel(), 5),
              QStringList({"5", "0.5333", "0.1333", "0.2667", "0.0667", "18.75", "-"}));
    EXPECT_EQ(detail.tableModel().rowCount(), 3);
    detail.show();
    EXPECT_EQ(stepRow(detail.tableModel(), 5), QStringList({"5", "10", "2.5", "5", "1.25", "18.75", "-"}));
}

TEST_F(AgeDistributionTableTest, LargeTotalsReadTheSameInBothTables)
{
    struct Case {
        const char* name;
        double total;
        QString text;
    };
    const std::vector<Case> cases = {
        {"within 32 bits", 21474836.47, "21474836.47"},
        {"30 million", 30000000, "30000000"},
        {"past 32 bits, rounded", 30000000.126, "30000000.13"},
        {"past 32 bits, tie to even", 40000000.125, "40000000.12"},
        {"past 15 digits", 2.5e18, "2.5E+18"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StepwiseRun own;
        ASSERT_TRUE(own.startNewRun(defaultMatrix(), {c.total, 0, 0, 0}).ok());
        TableWindow detail(AgeColumns::Numbers, own, NumberLocale{}, prompts);
        TableWindow shares(AgeColumns::Proportions, own, NumberLocale{}, prompts);
        EXPECT_EQ(stepRow(detail.tableModel(), 0)[kTotalColumn], c.text);
        EXPECT_EQ(stepRow(shares.tableModel(), 0)[kTotalColumn], c.text);
    }
}

TEST_F(AgeDistributionTableTest, BothTablesWriteTheRegionalSeparator)
{
    const NumberLocale comma{","};
    TableWindow detail(AgeColumns::Numbers, run.model, comma, prompts);
    TableWindow shares(AgeColumns::Proportions, run.model, comma, prompts);
    EXPECT_EQ(stepRow(detail.tableModel(), 3), QStringList({"3", "10", "2,5", "0", "2,5", "15", "0,8333"}));
    EXPECT_EQ(stepRow(shares.tableModel(), 3),
              QStringList({"3", "0,6667", "0,1667", "0", "0,1667", "15", "0,8333"}));
}

// Long runs give totals of ten and more characters and, past step 200 or so,
// numbers with exponents; both tables must show every one of them whole.
TEST(LongRunTablesTest, EveryCellShowsItsWholeText)
{
    struct Case {
        const char* name;
        int projections;
    };
    const Case cases[] = {
        {"a short run", 4},
        {"sixty steps", 60},
        {"two hundred and fifty steps", 250},
        {"the longest run", kLastStep},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DefaultRun run(c.projections);
        TableWindow detail(AgeColumns::Numbers, run.model, NumberLocale{}, prompts);
        detail.show();
        TableWindow shares(AgeColumns::Proportions, run.model, NumberLocale{}, prompts);
        shares.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&shares));
        for (QWidget* window : {static_cast<QWidget*>(&detail), static_cast<QWidget*>(&shares)}) {
            SCOPED_TRACE(window->objectName().toStdString());
            auto* shownTable = window->findChild<QTableView*>("MSFlexGrid1");
            ASSERT_NE(shownTable, nullptr);
            ASSERT_EQ(shownTable->model()->rowCount(), c.projections + 1);
            expectEveryTextFits(*shownTable);

            // The last total as drawn: its ink is as wide as the font makes
            // the whole text, not an ellipsis cut short.
            const QModelIndex total = shownTable->model()->index(c.projections, kTotalColumn - 1);
            shownTable->scrollTo(total);
            QApplication::processEvents();
            const QImage shown = shownTable->viewport()->grab().toImage();
            const QRect cell = shownTable->visualRect(total);
            ASSERT_TRUE(shown.rect().contains(cell)) << "the last row is in view";
            const QString text = total.data().toString();
            const int drawn = inkWidth(shown, cell.left(), cell.right(), cell.top(), cell.bottom());
            const int whole = QFontMetrics(shownTable->font()).tightBoundingRect(text).width();
            EXPECT_NEAR(drawn, whole, 4) << text.toStdString();
        }
    }
}

TEST_F(AgeDistributionTableTest, ColumnsMayBeWidenedButNeverCutTheirTexts)
{
    auto* shownTable = control<QTableView>("MSFlexGrid1");
    QHeaderView* header = shownTable->horizontalHeader();
    const int fitted = header->sectionSize(4);
    EXPECT_EQ(fitted, twips(1200));

    header->resizeSection(4, fitted + 40);
    EXPECT_EQ(header->sectionSize(4), fitted + 40);
    header->resizeSection(4, fitted - 30);
    EXPECT_EQ(header->sectionSize(4), fitted);

    // A new fill measures its own texts; the widening is not kept.
    header->resizeSection(2, fitted + 40);
    run.project(300);
    EXPECT_EQ(header->sectionSize(2), twips(1200));
    const int wideTotals = header->sectionSize(4);
    EXPECT_GT(wideTotals, twips(1200));
    header->resizeSection(4, twips(1200));
    EXPECT_EQ(header->sectionSize(4), wideTotals);
    expectEveryTextFits(*shownTable);
}

TEST_F(AgeDistributionTableTest, CtrlCCopiesTheSelectedCellsAsTabSeparatedLines)
{
    auto* shownTable = control<QTableView>("MSFlexGrid1");
    // Model rows are steps; model column c is table column c + 1.
    struct Range {
        int top, left, bottom, right;
    };
    struct Case {
        const char* name;
        std::vector<Range> ranges;
        QString copied;
    };
    const std::vector<Case> cases = {
        {"one cell", {{3, 1, 3, 1}}, "0.1667\n"},
        {"a block", {{2, 0, 3, 1}}, "0.5\t0\n0.6667\t0.1667\n"},
        {"a whole row", {{0, 0, 0, 5}}, "1\t0\t0\t0\t10\t0.5\n"},
        {"two cells apart, the gap left empty", {{1, 0, 1, 0}, {3, 2, 3, 2}}, "0\t\t\n\t\t\n\t\t0\n"},
        {"totals and rates down to the last row", {{3, 4, 4, 5}}, "15\t0.8333\n12.5\t-\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QApplication::clipboard()->clear();
        shownTable->clearSelection();
        for (const Range& r : c.ranges)
            shownTable->selectionModel()->select(
                QItemSelection(shownTable->model()->index(r.top, r.left), shownTable->model()->index(r.bottom, r.right)),
                QItemSelectionModel::Select);
        shownTable->setFocus();
        QTest::keyClick(shownTable, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), c.copied);
    }
    // With nothing selected, the cell the keyboard is on.
    QApplication::clipboard()->clear();
    shownTable->clearSelection();
    shownTable->selectionModel()->setCurrentIndex(shownTable->model()->index(2, 4), QItemSelectionModel::NoUpdate);
    QTest::keyClick(shownTable, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "10\n");

    // Copying changes nothing in the table.
    EXPECT_EQ(stepRow(*shownTable->model(), 3), QStringList({"3", "0.6667", "0.1667", "0", "0.1667", "15", "0.8333"}));
}

}  // namespace
}  // namespace dalvo::ui
