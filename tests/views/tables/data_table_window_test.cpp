#include "views/tables/data_table_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
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

#include "table_runs.h"
#include "ui/common/page_printer.h"
#include "ui/common/twips.h"
#include "views/tables/step_grid.h"
#include "support/scripted_prompts.h"

namespace dalvo::ui {
namespace {

// A filled, shown detail table over a run of its own.
class DataTableWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = new DataTableWindow(prompts, *run.history, NumberLocale{});
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        window->ShowAgeStructure();
    }
    void TearDown() override { delete window.data(); }

    template <class T = QWidget>
    T* control(const QString& name)
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void click(const QString& name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    StepGrid* grid() { return control<StepGrid>("MSFlexGrid1"); }

    DefaultRun run{4};
    ScriptedPrompts prompts;
    QPointer<DataTableWindow> window;
};

TEST_F(DataTableWindowTest, LayoutFollowsTheTwipPlan)
{
    EXPECT_EQ(window->objectName(), "DataTabl");
    EXPECT_EQ(window->windowTitle(), "Age structure and growth rate");
    EXPECT_EQ(window->size(), twipSize(10236, 7860));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());

    expectPlaced(*window, {
                              {"MSFlexGrid1", twipRect(120, 120, 9972, 6972), {}, false},
                              {"Command3", twipRect(120, 7320, 3255, 495), "Show age distribution", true},
                              {"Command2", twipRect(3720, 7320, 3012, 495), "Print this page", true},
                              {"Command1", twipRect(7080, 7320, 3012, 495), "Back to the main form", true},
                          });
}

TEST_F(DataTableWindowTest, TabGoesFromTheGridToTheButtonsRightToLeft)
{
    EXPECT_EQ(QApplication::focusWidget(), grid());
    expectTabCycle({"Command1", "Command2", "Command3", "MSFlexGrid1"});
}

TEST_F(DataTableWindowTest, FillsOneRowPerStepOfTheRun)
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
        DataTableWindow table(prompts, *own.history, NumberLocale{});
        table.ShowAgeStructure();
        EXPECT_EQ(table.grid().Cols(), 7);
        expectStepRows(table.grid(), c.rows);
    }
}

TEST_F(DataTableWindowTest, GridHasFixedHeadersAndCentredCellsOfEqualWidth)
{
    StepGrid* g = grid();
    EXPECT_EQ(g->cornerCell()->text(), "Time");
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

    // Plain cells are drawn in the window colours, header cells otherwise.
    const QImage image = g->grab().toImage();
    const QPoint inCell = g->viewport()->mapTo(g, g->visualRect(cell).topLeft() + QPoint(3, 3));
    EXPECT_EQ(image.pixelColor(inCell), g->palette().color(QPalette::Base));
    const QPoint inHeader = g->horizontalHeader()->mapTo(g, QPoint(3, 3));
    EXPECT_NE(image.pixelColor(inHeader), g->palette().color(QPalette::Base));

    // A long run scrolls under the header row and beside the step column.
    run.project(200);
    window->ShowAgeStructure();
    // One pass of events, as before the first picture: the rows are laid out
    // by then, not on some later pass.
    QApplication::processEvents();
    EXPECT_TRUE(g->verticalScrollBar()->isVisible());
    // Totals past 15 digits take exponents and widen their column beyond
    // the window, so the grid scrolls sideways too.
    EXPECT_GT(g->horizontalHeader()->sectionSize(4), twips(1200));
    EXPECT_TRUE(g->horizontalScrollBar()->isVisible());
    const QRect headerRow = g->horizontalHeader()->geometry();
    g->scrollToBottom();
    EXPECT_EQ(g->horizontalHeader()->geometry(), headerRow);
    EXPECT_TRUE(g->horizontalHeader()->isVisible());
    const int firstShown = g->verticalHeader()->logicalIndexAt(0);
    EXPECT_GT(firstShown, 100);
    EXPECT_EQ(g->TextMatrix(firstShown + 1, 0), QString::number(firstShown));
}

TEST_F(DataTableWindowTest, EachShowAgeStructureRebuildsTheWholeGrid)
{
    run.project(36);  // 40 steps
    window->ShowAgeStructure();
    StepGrid* g = grid();
    ASSERT_EQ(g->Rows(), 42);
    g->scrollToBottom();
    g->setCurrentIndex(g->model()->index(38, 2));
    ASSERT_GT(g->verticalScrollBar()->value(), 0);

    // The student goes on in the main window; the table keeps its snapshot.
    run.project(10);
    EXPECT_EQ(g->Rows(), 42);
    EXPECT_EQ(g->TextMatrix(41, 6), "-");

    window->ShowAgeStructure();
    ASSERT_EQ(g->Rows(), 52);
    EXPECT_EQ(g->verticalScrollBar()->value(), 0);
    EXPECT_FALSE(g->selectionModel()->hasSelection());
    const QStringList rates = gridColumn(*g, 6);
    EXPECT_EQ(rates.count("-"), 1);
    EXPECT_EQ(rates.last(), "-");
    EXPECT_EQ(g->TextMatrix(51, 0), "50");
    EXPECT_EQ(gridColumn(*g, 0).size(), 51);
}

TEST_F(DataTableWindowTest, ButtonsOnlyAskForTheirWindow)
{
    struct Case {
        const char* button;
        int ageDistribution;
        int backToMain;
    };
    const std::vector<Case> cases = {{"Command3", 1, 0}, {"Command1", 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        const QList<QStringList> before = allRows(*grid());
        QSignalSpy ageDistribution(window.data(), &DataTableWindow::ageDistributionRequested);
        QSignalSpy backToMain(window.data(), &DataTableWindow::backToMainRequested);
        QSignalSpy closed(window.data(), &DataTableWindow::closeBoxUsed);
        click(c.button);
        EXPECT_EQ(ageDistribution.count(), c.ageDistribution);
        EXPECT_EQ(backToMain.count(), c.backToMain);
        EXPECT_EQ(closed.count(), 0);
        // Which window shows next is the program's decision, not the table's.
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(allRows(*grid()), before);
    }
}

TEST_F(DataTableWindowTest, CloseBoxReportsAndDestroysTheWindow)
{
    QSignalSpy closed(window.data(), &DataTableWindow::closeBoxUsed);
    QSignalSpy backToMain(window.data(), &DataTableWindow::backToMainRequested);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(backToMain.count(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(DataTableWindowTest, KeysAndDoubleClicksChangeNoCell)
{
    const QList<QStringList> before = allRows(*grid());
    StepGrid* g = grid();
    g->setFocus();
    g->setCurrentIndex(g->model()->index(1, 1));
    for (int key : {Qt::Key_7, Qt::Key_F2, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Backspace})
        QTest::keyClick(g, static_cast<Qt::Key>(key));
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(2, 2)).center());
    QTest::keyClicks(g, "123");
    EXPECT_TRUE(g->findChildren<QLineEdit*>().isEmpty());
    EXPECT_EQ(allRows(*grid()), before);
}

TEST_F(DataTableWindowTest, PrintWithoutPrinterWritesThePageToAPdf)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a printer";
    QTemporaryDir folder;
    const QString path = folder.filePath("table.pdf");
    prompts.fileNames = {path};
    const QList<QStringList> before = allRows(*grid());
    QSignalSpy ageDistribution(window.data(), &DataTableWindow::ageDistributionRequested);
    QSignalSpy backToMain(window.data(), &DataTableWindow::backToMainRequested);

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
    EXPECT_EQ(allRows(*grid()), before);
    EXPECT_EQ(ageDistribution.count() + backToMain.count(), 0);
}

}  // namespace
}  // namespace dalvo::ui
