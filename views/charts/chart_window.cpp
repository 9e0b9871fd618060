#include "views/charts/chart_window.h"

#include <QChart>
#include <QChartView>
#include <QMessageBox>
#include <QPushButton>

#include "ui/common/assets.h"
#include "ui/common/controls.h"
#include "ui/common/page_printer.h"
#include "ui/common/messages.h"
#include "ui/common/twips.h"
#include "views/charts/chart_operations.h"

namespace dalvo::ui {

namespace {

void showWithDialog(QWidget* window, const QString& message)
{
    QMessageBox::warning(window, QStringLiteral("Graph"), message);
}

}  // namespace

ChartWindow::ChartWindow(Prompts& prompts, const History& history, QWidget* parent)
    : SecondaryWindow(parent),
      report(showWithDialog),
      history_(history),
      MSChart1(new QChartView(new QChart, this)),
      renderer_(MSChart1->chart(), numberLocaleOfSystem())
{
    setObjectName(QStringLiteral("dalvofig"));
    setWindowTitle(QStringLiteral("Graph"));
    makeFixedSizeWindow(this, 12480, 8700);

    printer_ = new PagePrinter(prompts, this);

    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->setGeometry(twipRect(192, 192, 12108, 7788));
    MSChart1->setRenderHint(QPainter::Antialiasing);
    // A new chart changes nearly every part of the view; repainting it whole
    // spares the view from working out the changed parts item by item.
    MSChart1->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    MSChart1->chart()->setBackgroundRoundness(0);

    struct ButtonPlan {
        QPushButton** button;
        const char* name;
        const char* caption;
        int left;
        int width;
        void (ChartWindow::*action)();
    };
    const ButtonPlan plans[] = {
        {&Command1, "Command1", "Population size", 121, 1815, &ChartWindow::ShowPopulationSize},
        {&Command2, "Command2", "Growth rate", 2057, 1455, &ChartWindow::ShowGrowthRate},
        {&Command3, "Command3", "Age structure", 3630, 1575, &ChartWindow::ShowAgeStructure},
        {&Command4, "Command4", "N(t)-N(t-1)", 5280, 1455, &ChartWindow::ShowChangeRate},
        {&Command8, "Command8", "Age Distribution", 6776, 1947, &ChartWindow::ShowAgeDistribution},
        {&Command7, "Command7", "Print page", 8833, 1335, &ChartWindow::printPage},
        {&Command6, "Command6", "Go back", 10285, 1095, &ChartWindow::goBackRequested},
        {&Command5, "Command5", "Quit", 11495, 855, &ChartWindow::quitRequested},
    };
    for (const ButtonPlan& plan : plans) {
        QPushButton* button =
            makeButton(this, QString::fromLatin1(plan.name), QString::fromLatin1(plan.caption), {}, plan.left,
                       8107, plan.width, 495);
        button->setFont(timesFont(12));
        if (plan.button != &Command8)
            button->setCursor(pointingHandCursor());
        connect(button, &QPushButton::clicked, this, plan.action);
        *plan.button = button;
    }
    MSChart1->setAccessibleName(QStringLiteral("Chart"));
    centreOnScreen(this);
}

void ChartWindow::draw(Result<void> (*chart)(ChartState&, const History&))
{
    const Result<void> drawn = chart(state_, history_);
    if (!drawn) {
        report(this, QString::fromStdString(drawn.error().message));
        return;
    }
    renderer_.render(state_);
}

void ChartWindow::Graph()
{
    draw(&GraphAgeStructure);
}

void ChartWindow::ShowPopulationSize()
{
    draw(&dalvo::ShowPopulationSize);
}

void ChartWindow::ShowGrowthRate()
{
    draw(&dalvo::ShowGrowthRate);
}

void ChartWindow::ShowAgeStructure()
{
    draw(&dalvo::ShowAgeStructure);
}

void ChartWindow::ShowChangeRate()
{
    draw(&dalvo::ShowChangeRate);
}

void ChartWindow::ShowAgeDistribution()
{
    draw(&dalvo::ShowAgeDistribution);
}

void ChartWindow::printPage()
{
    printer_->printWindow(this);
}

}  // namespace dalvo::ui
