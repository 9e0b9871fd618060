// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/charts/chart_window.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QPushButton>
#include <QShortcut>

#include "ui/common/assets.h"
#include "ui/common/control_sheet.h"
#include "ui/common/controls.h"
#include "ui/common/messages.h"
#include "ui/common/page_printer.h"
#include "ui/common/twips.h"

namespace dalvo::ui {

namespace {

// The charts whose numbers span decades, so that a logarithmic axis helps.
bool offersLogScale(ChartDescription (*chart)(const History&, const ChartInputs&))
{
    return chart == &populationSizeChart || chart == &ageStructureChart || chart == &graphAgeStructureChart;
}

ControlEntry button(const char* role, const char* name, const char* caption, int left, int width)
{
    return {.role = role,
            .objectName = name,
            .kind = ControlKind::Button,
            .caption = caption,
            .twips = {left, 8107, width, 495},
            .font = {12}};
}

ControlSheet makeSheet()
{
    return {
        .context = "dalvo::ui::ChartWindow",
        .windowName = QStringLiteral("dalvofig"),
        .twips = {12480, 8700},
        .controls =
            {
                {.role = "chartView",
                 .objectName = "MSChart1",
                 .kind = ControlKind::Own,
                 .twips = {192, 192, 12108, 7788},
                 .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::ChartWindow", "Chart")},
                // In the chart's top right corner, which no chart uses: the title
                // is centred and the legend sits lower down. Part of the view, so
                // that a picture of the view shows it as the screen does.
                {.role = "logScaleBox",
                 .objectName = "logScaleBox",
                 .kind = ControlKind::CheckBox,
                 .caption = QT_TRANSLATE_NOOP("dalvo::ui::ChartWindow", "Log scale"),
                 .toolTip = QT_TRANSLATE_NOOP("dalvo::ui::ChartWindow", "Logarithmic value axis (L)"),
                 .twips = {10368, 72, 1620, 300},
                 .parentRole = "chartView"},
                button("populationSizeButton", "Command1",
                       QT_TRANSLATE_NOOP("dalvo::ui::ChartWindow", "Population size"), 121, 1815),
                button("growthRateButton", "Command2",
                       QT_TRANSLATE_NOOP("dalvo::ui::ChartWindow", "Growth rate"), 2057, 1455),
                button("ageStructureButton", "Command3",
                       QT_TRANSLATE_NOOP("dalvo::ui::ChartWindow", "Age structure"), 3630, 1575),
                button("changeRateButton", "Command4",
                       QT_TRANSLATE_NOOP("dalvo::ui::ChartWindow", "N(t)-N(t-1)"), 5280, 1455),
                button("ageDistributionButton", "Command8",
                       QT_TRANSLATE_NOOP("dalvo::ui::ChartWindow", "Age Distribution"), 6776, 1947),
                button("printButton", "Command7", QT_TRANSLATE_NOOP("dalvo::ui::ChartWindow", "Print page"),
                       8833, 1335),
                button("goBackButton", "Command6", QT_TRANSLATE_NOOP("dalvo::ui::ChartWindow", "Go back"),
                       10285, 1095),
                button("quitButton", "Command5", QT_TRANSLATE_NOOP("dalvo::ui::ChartWindow", "Quit"), 11495,
                       855),
            },
    };
}

}  // namespace

const ControlSheet& ChartWindow::sheet()
{
    static const ControlSheet sheet = makeSheet();
    return sheet;
}

ChartWindow::ChartWindow(const StepwiseRun& run, Prompts& prompts, QWidget* parent)
    : SecondaryWindow(parent),
      history_(run.history()),
      prompts_(prompts),
      locale_(numberLocaleOfSystem()),
      chartView_(new QChartView(new QChart, this)),
      renderer_(chartView_->chart(), locale_)
{
    setWindowTitle(tr("Graph"));
    makeFixedSizeWindow(this, sheet().twips.width(), sheet().twips.height());

    printer_ = new PagePrinter(prompts_, this);

    const ControlSet controls = buildControls(
        this, sheet(), {{QStringLiteral("chartView"), [this](QWidget*) { return chartView_; }}});
    chartView_->setRenderHint(QPainter::Antialiasing);
    // A new chart changes nearly every part of the view; repainting it whole
    // spares the view from working out the changed parts item by item.
    chartView_->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    chartView_->chart()->setBackgroundRoundness(0);

    logScaleBox_ = controls.get<QCheckBox>(QStringLiteral("logScaleBox"));
    logScaleBox_->hide();
    connect(logScaleBox_, &QCheckBox::toggled, this, &ChartWindow::redraw);
    auto* logScaleKey = new QShortcut(QKeySequence(Qt::Key_L), this);
    connect(logScaleKey, &QShortcut::activated, this, &ChartWindow::toggleLogScale);
    // Escape leaves the way "Go back" does, as it leaves the outlook.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &ChartWindow::goBackRequested);

    struct ButtonPlan {
        QPushButton** button;
        const char* role;
        void (ChartWindow::*action)();
    };
    const ButtonPlan plans[] = {
        {&populationSizeButton_, "populationSizeButton", &ChartWindow::showPopulationSize},
        {&growthRateButton_, "growthRateButton", &ChartWindow::showGrowthRate},
        {&ageStructureButton_, "ageStructureButton", &ChartWindow::showAgeStructure},
        {&changeRateButton_, "changeRateButton", &ChartWindow::showChangeRate},
        {&ageDistributionButton_, "ageDistributionButton", &ChartWindow::showAgeDistribution},
        {&printButton_, "printButton", &ChartWindow::printPage},
        {&goBackButton_, "goBackButton", &ChartWindow::goBackRequested},
        {&quitButton_, "quitButton", &ChartWindow::quitRequested},
    };
    for (const ButtonPlan& plan : plans) {
        QPushButton* button = controls.get<QPushButton>(QString::fromLatin1(plan.role));
        if (plan.button != &ageDistributionButton_)
            button->setCursor(pointingHandCursor());
        connect(button, &QPushButton::clicked, this, plan.action);
        *plan.button = button;
    }
    auto takeOutlook = [this](const StepwiseRun& changed) {
        if (changed.matrixGeneration() == outlookGeneration_)
            return;
        outlookGeneration_ = changed.matrixGeneration();
        const Result<LongTermOutlook>& outlook = changed.outlook();
        setOutlook(outlook ? std::optional<LongTermOutlook>(*outlook) : std::nullopt);
    };
    takeOutlook(run);
    watch_ = run.subscribe(takeOutlook);
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

void ChartWindow::setOutlookForTesting(std::optional<LongTermOutlook> outlook)
{
    setOutlook(std::move(outlook));
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
