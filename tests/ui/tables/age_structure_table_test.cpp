// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/tables/table_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "support/table_runs.h"
#include "ui/common/page_printer.h"
#include "ui/common/twips.h"
#include "ui/tables/history_table_model.h"
#include "support/scripted_prompts.h"
#include "tests/support/input_driver.h"

namespace dalvo::ui {
namespace {

// A filled, shown detail table over a run of its own.
class AgeStructureTableTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = new TableWindow(AgeColumns::Numbers, run.model, NumberLocale{}, prompts);
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
    QTableView* shownTable() { return control<QTableView>("MSFlexGrid1"); }

    DefaultRun run{4};
    ScriptedPrompts prompts;
    QPointer<TableWindow> window;
};

TEST_F(AgeStructureTableTest, LayoutFollowsTheTwipPlan)
{
    EXPECT_EQ(window->objectName(), "DataTabl");
    EXPECT_EQ(window->windowTitle(), "Age structure and growth rate");
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    expectTimesTwelve(*window, TableWindow::sheet(AgeColumns::Numbers));
}

TEST_F(AgeStructureTableTest, TabGoesFromTheTableToTheButtonsRightToLeft)
{
    EXPECT_EQ(QApplication::focusWidget(), shownTable());
    expectTabCycle({"Command1", "Command2", "Command3", "MSFlexGrid1"});
}

TEST_F(AgeStructureTableTest, FillsOneRowPerStepOfTheRun)
{
    struct Case {
        const char* name;
        int projections;
        QList<QStringList> rows;
    };
    const std::vector<Case> cases = {
        {"right after start-up", 0, {{"0", "10", "0", "0", "0", "10", "-"}}},
        {"after one projection",
         1,
         {{"0", "10", "0", "0", "0", "10", "0.5"}, {"1", "0", "5", "0", "0", "5", "-"}}},
        {"after four projections",
         4,
         {{"0", "10", "0", "0", "0", "10", "0.5"},
          {"1", "0", "5", "0", "0", "5", "2"},
          {"2", "5", "0", "5", "0", "10", "1.5"},
          {"3", "10", "2.5", "0", "2.5", "15", "0.8333"},
          {"4", "5", "5", "2.5", "0", "12.5", "-"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DefaultRun own(c.projections);
        ScriptedPrompts prompts;
        TableWindow table(AgeColumns::Numbers, own.model, NumberLocale{}, prompts);
        EXPECT_EQ(table.tableModel().columnCount(), 6);
        expectStepRows(table.historyTable(), c.rows);
    }
}

TEST_F(AgeStructureTableTest, TableHasFixedHeadingsAndCentredCellsOfEqualWidth)
{
    QTableView* g = shownTable();
    EXPECT_EQ(shownHeadings(*g), kHeadings);
    EXPECT_EQ(g->verticalHeader()->width(), twips(1200));
    for (int c = 0; c < g->model()->columnCount(); ++c)
        EXPECT_EQ(g->horizontalHeader()->sectionSize(c), twips(1200)) << c;
    const QModelIndex cell = g->model()->index(2, 3);
    EXPECT_EQ(g->model()->data(cell, Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    EXPECT_EQ(g->model()->headerData(2, Qt::Vertical, Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignCenter);
    EXPECT_EQ(g->model()->headerData(2, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignCenter);
    EXPECT_FALSE(g->verticalScrollBar()->isVisible());
    EXPECT_FALSE(g->horizontalScrollBar()->isVisible());

    // The step column's heading is drawn in the corner over the step
    // numbers, as wide as the font makes it.
    auto* corner = g->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(corner, nullptr);
    const QImage cornerImage = corner->grab().toImage();
    const int headingInk = inkWidth(cornerImage, 3, cornerImage.width() - 4, 3, cornerImage.height() - 4);
    EXPECT_NEAR(headingInk, QFontMetrics(g->font()).tightBoundingRect("Time").width(), 3);

    // Plain cells are drawn in the window colours, header cells otherwise.
    const QImage image = g->grab().toImage();
    const QPoint inCell = g->viewport()->mapTo(g, g->visualRect(cell).topLeft() + QPoint(3, 3));
    EXPECT_EQ(image.pixelColor(inCell), g->palette().color(QPalette::Base));
    const QPoint inHeader = g->horizontalHeader()->mapTo(g, QPoint(3, 3));
    EXPECT_NE(image.pixelColor(inHeader), g->palette().color(QPalette::Base));

    // A long run scrolls under the header row and beside the step column.
    run.project(200);
    // One pass of events, as before the first picture: the rows are laid out
    // by then, not on some later pass.
    QApplication::processEvents();
    EXPECT_TRUE(g->verticalScrollBar()->isVisible());
    // Totals past 15 digits take exponents and widen their column beyond
    // the window, so the table scrolls sideways too.
    EXPECT_GT(g->horizontalHeader()->sectionSize(4), twips(1200));
    EXPECT_TRUE(g->horizontalScrollBar()->isVisible());
    const QRect headerRow = g->horizontalHeader()->geometry();
    g->scrollToBottom();
    EXPECT_EQ(g->horizontalHeader()->geometry(), headerRow);
    EXPECT_TRUE(g->horizontalHeader()->isVisible());
    const int firstShown = g->verticalHeader()->logicalIndexAt(0);
    EXPECT_GT(firstShown, 100);
    EXPECT_EQ(g->model()->headerData(firstShown, Qt::Vertical).toString(), QString::number(firstShown));
}

TEST_F(AgeStructureTableTest, EachFillRebuildsTheWholeTable)
{
    run.project(36);  // 40 steps
    QTableView* g = shownTable();
    ASSERT_EQ(g->model()->rowCount(), 41);
    g->scrollToBottom();
    g->setCurrentIndex(g->model()->index(38, 2));
    ASSERT_GT(g->verticalScrollBar()->value(), 0);

    // The student goes on in the main window; the hidden table waits until
    // it is shown again, and opens from its top.
    window->hide();
    run.project(10);
    EXPECT_EQ(g->model()->rowCount(), 41);
    window->resetView();
    window->show();
    ASSERT_EQ(g->model()->rowCount(), 51);
    EXPECT_EQ(g->verticalScrollBar()->value(), 0);
    EXPECT_FALSE(g->selectionModel()->hasSelection());
    const QStringList rates = tableColumn(*g->model(), kGrowthRateColumn);
    EXPECT_EQ(rates.count("-"), 1);
    EXPECT_EQ(rates.last(), "-");
    EXPECT_EQ(stepRow(*g->model(), 50)[kStepColumn], "50");
    EXPECT_EQ(tableColumn(*g->model(), kStepColumn).size(), 51);
}

TEST_F(AgeStructureTableTest, ButtonsOnlyAskForTheirWindow)
{
    struct Case {
        const char* button;
        int ageDistribution;
        int backToMain;
    };
    const std::vector<Case> cases = {{"Command3", 1, 0}, {"Command1", 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        const QList<QStringList> before = allRows(*shownTable()->model());
        QSignalSpy ageDistribution(window.data(), &TableWindow::otherTableRequested);
        QSignalSpy backToMain(window.data(), &TableWindow::backToMainRequested);
        QSignalSpy closed(window.data(), &TableWindow::closeBoxUsed);
        click(c.button);
        EXPECT_EQ(ageDistribution.count(), c.ageDistribution);
        EXPECT_EQ(backToMain.count(), c.backToMain);
        EXPECT_EQ(closed.count(), 0);
        // Which window shows next is the program's decision, not the table's.
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(allRows(*shownTable()->model()), before);
    }
}

TEST_F(AgeStructureTableTest, CloseBoxReportsAndDestroysTheWindow)
{
    QSignalSpy closed(window.data(), &TableWindow::closeBoxUsed);
    QSignalSpy backToMain(window.data(), &TableWindow::backToMainRequested);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(backToMain.count(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(AgeStructureTableTest, KeysAndDoubleClicksChangeNoCell)
{
    const QList<QStringList> before = allRows(*shownTable()->model());
    QTableView* g = shownTable();
    g->setFocus();
    g->setCurrentIndex(g->model()->index(1, 1));
    for (int key : {Qt::Key_7, Qt::Key_F2, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Backspace})
        QTest::keyClick(g, static_cast<Qt::Key>(key));
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(2, 2)).center());
    QTest::keyClicks(g, "123");
    EXPECT_TRUE(g->findChildren<QLineEdit*>().isEmpty());
    EXPECT_EQ(allRows(*shownTable()->model()), before);
}

TEST_F(AgeStructureTableTest, PrintWithoutPrinterWritesThePageToAPdf)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a printer";
    QTemporaryDir folder;
    const QString path = folder.filePath("table.pdf");
    prompts.fileNames = {path};
    const QList<QStringList> before = allRows(*shownTable()->model());
    QSignalSpy ageDistribution(window.data(), &TableWindow::otherTableRequested);
    QSignalSpy backToMain(window.data(), &TableWindow::backToMainRequested);

    click("Command2");

    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_TRUE(prompts.questions.front().contains("No printer")) << prompts.questions.front().toStdString();
    EXPECT_EQ(prompts.askers.front(), window.data());
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(5), "%PDF-");
    EXPECT_GT(pdf.size(), 1000);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(allRows(*shownTable()->model()), before);
    EXPECT_EQ(ageDistribution.count() + backToMain.count(), 0);
}

}  // namespace
}  // namespace dalvo::ui
