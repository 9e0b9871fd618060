#include "ui/charts/chart_window.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QPushButton>
#include <QShortcut>

#include "ui/common/assets.h"
#include "ui/common/controls.h"
#include "ui/common/page_printer.h"
#include "ui/common/messages.h"
#include "ui/common/twips.h"

namespace dalvo::ui {

namespace {

// The charts whose numbers span decades, so that a logarithmic axis helps.
bool offersLogScale(ChartDescription (*chart)(const History&, const ChartInputs&))
{
    return chart == &populationSizeChart || chart == &ageStructureChart || chart == &graphAgeStructureChart;
}

}  // namespace

ChartWindow::ChartWindow(const History& history, Prompts& prompts, QWidget* parent)
    : SecondaryWindow(parent),
      history_(history),
      prompts_(prompts),
      locale_(numberLocaleOfSystem()),
      chartView_(new QChartView(new QChart, this)),
      renderer_(chartView_->chart(), locale_)
{
    setWindowTitle(tr("Graph"));
    makeFixedSizeWindow(this, 12480, 8700);

    printer_ = new PagePrinter(prompts_, this);

    chartView_->setGeometry(twipRect(192, 192, 12108, 7788));
    chartView_->setRenderHint(QPainter::Antialiasing);
    // A new chart changes nearly every part of the view; repainting it whole
    // spares the view from working out the changed parts item by item.
    chartView_->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    chartView_->chart()->setBackgroundRoundness(0);
    chartView_->setAccessibleName(tr("Chart"));

    // In the chart's top right corner, which no chart uses: the title is
    // centred and the legend sits lower down. Part of the view, so that a
    // picture of the view shows it as the screen does.
    logScaleBox_ = new QCheckBox(tr("Log scale"), chartView_);
    logScaleBox_->setGeometry(twipRect(10368, 72, 1620, 300));
    logScaleBox_->setToolTip(tr("Logarithmic value axis (L)"));
    logScaleBox_->hide();
    connect(logScaleBox_, &QCheckBox::toggled, this, &ChartWindow::redraw);
    auto* logScaleKey = new QShortcut(QKeySequence(Qt::Key_L), this);
    connect(logScaleKey, &QShortcut::activated, this, &ChartWindow::toggleLogScale);
    // Escape leaves the way "Go back" does, as it leaves the outlook.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &ChartWindow::goBackRequested);

    struct ButtonPlan {
        QPushButton** button;
        QString caption;
        int left;
        int width;
        void (ChartWindow::*action)();
    };
    const ButtonPlan plans[] = {
        {&populationSizeButton_, tr("Population size"), 121, 1815, &ChartWindow::showPopulationSize},
        {&growthRateButton_, tr("Growth rate"), 2057, 1455, &ChartWindow::showGrowthRate},
        {&ageStructureButton_, tr("Age structure"), 3630, 1575, &ChartWindow::showAgeStructure},
        {&changeRateButton_, tr("N(t)-N(t-1)"), 5280, 1455, &ChartWindow::showChangeRate},
        {&ageDistributionButton_, tr("Age Distribution"), 6776, 1947, &ChartWindow::showAgeDistribution},
        {&printButton_, tr("Print page"), 8833, 1335, &ChartWindow::printPage},
        {&goBackButton_, tr("Go back"), 10285, 1095, &ChartWindow::goBackRequested},
        {&quitButton_, tr("Quit"), 11495, 855, &ChartWindow::quitRequested},
    };
    for (const ButtonPlan& plan : plans) {
        QPushButton* button = makeButton(this, {}, plan.caption, {}, plan.left, 8107, plan.width, 495);
        button->setFont(timesFont(12));
        if (plan.button != &ageDistributionButton_)
            button->setCursor(pointingHandCursor());
        connect(button, &QPushButton::clicked, this, plan.action);
        *plan.button = button;
    }

    const std::pair<QObject*, const char*> objectNames[] = {
        {this, "dalvofig"},
        {chartView_, "MSChart1"},
        {logScaleBox_, "logScaleBox"},
        {populationSizeButton_, "Command1"},
        {growthRateButton_, "Command2"},
        {ageStructureButton_, "Command3"},
        {changeRateButton_, "Command4"},
        {ageDistributionButton_, "Command8"},
        {printButton_, "Command7"},
        {goBackButton_, "Command6"},
        {quitButton_, "Command5"},
    };
    for (const auto& [object, name] : objectNames)
        object->setObjectName(QString::fromLatin1(name));
    centreOnScreen(this);
}

void ChartWindow::draw(ChartOfRun chart)
{
    current_ = chart;
    logScaleBox_->setVisible(offersLogScale(chart));
    const ChartInputs inputs{shown_.memory, outlook_ ? &*outlook_ : nullptr, logScaleBox_->isChecked(), locale_};
    shown_ = chart(history_, inputs);
    renderer_.render(shown_);
}

// The chart shown, drawn again after something it reads changed; before the
// first chart there is nothing to draw again.
void ChartWindow::redraw()
{
    if (current_)
        draw(current_);
}

void ChartWindow::toggleLogScale()
{
    if (logScaleBox_->isVisible())
        logScaleBox_->toggle();
}

void ChartWindow::setOutlook(std::optional<LongTermOutlook> outlook)
{
    outlook_ = std::move(outlook);
    redraw();
}

void ChartWindow::graph()
{
    draw(&graphAgeStructureChart);
}

void ChartWindow::showPopulationSize()
{
    draw(&populationSizeChart);
}

void ChartWindow::showGrowthRate()
{
    draw(&growthRateChart);
}

void ChartWindow::showAgeStructure()
{
    draw(&ageStructureChart);
}

void ChartWindow::showChangeRate()
{
    draw(&changeRateChart);
}

void ChartWindow::showAgeDistribution()
{
    draw(&ageDistributionChart);
}

void ChartWindow::printPage()
{
    printer_->printWindow(this);
}

}  // namespace dalvo::ui
