// The chart window: one chart of the run at a time, chosen with a row of buttons, with the long-term outlook drawn in.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <optional>

#include "model/history.h"
#include "model/long_term_outlook.h"
#include "model/number_text.h"
#include "model/stepwise_run.h"
#include "presentation/chart_description.h"
#include "ui/charts/chart_renderer.h"
#include "ui/common/prompts.h"
#include "ui/common/secondary_window.h"

class QCheckBox;
class QPushButton;
QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dalvo::ui {

class PagePrinter;
struct ControlSheet;

class ChartWindow : public SecondaryWindow {
    Q_OBJECT
public:
    // Draws `run`'s history, with the outlook of its matrix, a new one
    // whenever the matrix changes.
    ChartWindow(const StepwiseRun& run, Prompts& prompts, QWidget* parent = nullptr);

    // What the main window's "Graph" draws before it shows this window: the
    // age-structure chart, with the series looking as the chart last left
    // them.
    void graph();

    // The chart buttons.
    void showPopulationSize();
    void showGrowthRate();
    void showAgeStructure();
    void showChangeRate();
    void showAgeDistribution();
    void printPage();

    // For tests of the guide lines: draws `outlook` in place of the run's
    // until the run's matrix changes.
    void setOutlookForTesting(std::optional<LongTermOutlook> outlook);

    // Every control of the window: its names, texts, place and font.
    static const ControlSheet& sheet();

    const ChartDescription& shownChart() const { return shown_; }
    ChartRenderer& renderer() { return renderer_; }
    QChartView* chartView() const { return chartView_; }
    QCheckBox* logScaleBox() const { return logScaleBox_; }
    PagePrinter& pagePrinter() { return *printer_; }

signals:
    // "Go back": the program shows the main window and hides this one.
    void goBackRequested();
    // "Quit": the program hides this window and shows the about screen.
    void quitRequested();

private:
    using ChartOfRun = ChartDescription (*)(const History&, const ChartInputs&);

    void draw(ChartOfRun chart);
    void redraw();
    void toggleLogScale();
    void setOutlook(std::optional<LongTermOutlook> outlook);

    const History& history_;
    Prompts& prompts_;
    NumberLocale locale_;
    std::optional<LongTermOutlook> outlook_;
    ChartOfRun current_ = nullptr;
    int outlookGeneration_ = -1;
    StepwiseRun::Subscription watch_;
    ChartDescription shown_;

    QChartView* chartView_ = nullptr;
    ChartRenderer renderer_;
    QCheckBox* logScaleBox_ = nullptr;
    QPushButton* populationSizeButton_ = nullptr;
    QPushButton* growthRateButton_ = nullptr;
    QPushButton* ageStructureButton_ = nullptr;
    QPushButton* changeRateButton_ = nullptr;
    QPushButton* ageDistributionButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* goBackButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    PagePrinter* printer_ = nullptr;
};

}  // namespace dalvo::ui
