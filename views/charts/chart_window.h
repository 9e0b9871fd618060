// The chart window dalvofig: one chart of the run at a time in MSChart1, with a row of eight buttons.
#pragma once

#include <QString>
#include <functional>

#include "model/history.h"
#include "model/result.h"
#include "ui/common/secondary_window.h"
#include "views/charts/chart_renderer.h"
#include "views/charts/chart_state.h"

class QPushButton;
QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dalvo::ui {

class PagePrinter;
class Prompts;

class ChartWindow : public SecondaryWindow {
    Q_OBJECT
public:
    ChartWindow(Prompts& prompts, const History& history, QWidget* parent = nullptr);

    // What the main window's "Graph" draws before it shows this window: the
    // age-structure chart, with the series looking as the chart last left
    // them.
    void Graph();

    // The chart buttons.
    void ShowPopulationSize();
    void ShowGrowthRate();
    void ShowAgeStructure();
    void ShowChangeRate();
    void ShowAgeDistribution();
    void printPage();

    const ChartState& chartState() const { return state_; }
    ChartRenderer& renderer() { return renderer_; }
    QChartView* chartView() const { return MSChart1; }
    PagePrinter& pagePrinter() { return *printer_; }

    // Tells the student why a chart was not drawn; tests answer directly.
    std::function<void(QWidget* window, const QString& message)> report;

signals:
    // "Go back": the program shows the main window and hides this one.
    void goBackRequested();
    // "Quit": the program hides this window and shows the about screen.
    void quitRequested();

private:
    void draw(Result<void> (*chart)(ChartState&, const History&));

    const History& history_;
    ChartState state_;
    QChartView* MSChart1 = nullptr;
    ChartRenderer renderer_;
    PagePrinter* printer_ = nullptr;

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command5 = nullptr;
};

}  // namespace dalvo::ui
