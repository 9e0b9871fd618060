#include "views/charts/chart_operations.h"

#include <vector>

#include "model/number_text.h"

namespace dalvo {

namespace {

enum class Component { Red, Green, Blue };

struct ColourWrite {
    Component component;
    int value;
};

int& componentOf(Rgb& colour, Component component)
{
    switch (component) {
        case Component::Red:
            return colour.red;
        case Component::Green:
            return colour.green;
        case Component::Blue:
            break;
    }
    return colour.blue;
}

// stepCount() + extraRow rows.
Result<int> rowsFor(const History& history, int extraRow)
{
    return history.stepCount() + extraRow;
}

// Steps 1 to 7 of every chart: grid size, type, legend, title, scaling.
void setUpChart(ChartState& chart, int columns, int rows, bool showLegend, const std::string& title)
{
    chart.setColumnCount(columns);
    chart.setRowCount(rows);
    chart.chartType = ChartType::XY2D;
    chart.showLegend = showLegend;
    chart.titleFont.size = 12.0;
    chart.titleFont.name = "Arial";
    chart.titleText = title;
    chart.legendLocation = LegendLocation::Right;
    chart.uniformAxis = false;
}

// Markers only, with a black outline; the fill gets only the components
// listed, the others keep what they held.
void setSeriesAppearance(ChartState& chart, int firstColumn, MarkerStyle style,
                         const std::vector<ColourWrite>& fill)
{
    SeriesAppearance& series = chart.series(firstColumn);
    series.showLine = false;
    series.autoMarker = false;
    series.regressionLine = PenStyle::Null;
    SeriesMarker& marker = series.marker;
    marker.visible = true;
    marker.size = 200.0;
    marker.style = style;
    marker.outlineStyle = PenStyle::Solid;
    marker.outlineWidth = 5.0;
    marker.outline.blue = 0;
    marker.outline.red = 0;
    marker.outline.green = 0;
    for (const ColourWrite& write : fill)
        componentOf(marker.fill, write.component) = write.value;
}

void setUpVerticalAxis(ChartState& chart, const std::string& title)
{
    AxisSettings& axis = chart.axis(AxisId::Y);
    axis.gridStyle = PenStyle::Solid;
    axis.gridColour = Rgb{0, 0, 0};
    axis.titleFont.size = 12.0;
    axis.titleVisible = true;
    axis.titleText = title;
    axis.titleFont.name = "Arial";
}

void setUpHorizontalAxis(ChartState& chart, const std::string& title)
{
    AxisSettings& axis = chart.axis(AxisId::X);
    axis.titleFont.size = 12.0;
    axis.titleFont.name = "Arial";
    axis.titleVisible = true;
    axis.titleText = title;
}

struct TimeSeriesChart {
    int extraRow;
    const char* title;
    const char* verticalTitle;
    double (*value)(const History& history, int index);
};

Result<void> drawTimeSeries(ChartState& chart, const History& history, const TimeSeriesChart& plan)
{
    const Result<int> rows = rowsFor(history, plan.extraRow);
    if (!rows)
        return rows.error();
    setUpChart(chart, 2, *rows, false, plan.title);
    setSeriesAppearance(chart, 1, MarkerStyle::FilledSquare, {{Component::Red, 255}});
    setUpVerticalAxis(chart, plan.verticalTitle);
    setUpHorizontalAxis(chart, "time");
    for (int r = 1; r <= *rows; ++r) {
        chart.setData(r, 1, r - 1, false);
        chart.setData(r, 2, plan.value(history, r - 1), false);
    }
    return {};
}

enum class AgeChart { Graph, Structure, Distribution };

struct AgeSeriesLook {
    MarkerStyle style;
    std::vector<ColourWrite> fill;
};

const std::vector<AgeSeriesLook>& ageSeriesLooks()
{
    static const std::vector<AgeSeriesLook> looks = {
        {MarkerStyle::FilledSquare, {{Component::Red, 255}}},
        {MarkerStyle::FilledUpTriangle, {{Component::Blue, 255}}},
        {MarkerStyle::FilledDownTriangle,
         {{Component::Green, 255}, {Component::Blue, 0}, {Component::Red, 0}}},
        {MarkerStyle::FilledDiamond, {{Component::Red, 150}}},
    };
    return looks;
}

Result<void> drawAgeChart(ChartState& chart, const History& history, AgeChart which)
{
    const Result<int> rows = rowsFor(history, 1);
    if (!rows)
        return rows.error();
    const bool distribution = which == AgeChart::Distribution;
    setUpChart(chart, 8, *rows, true, distribution ? "Age distribution" : "Age structure");
    if (which != AgeChart::Graph)
        for (int a = 0; a < kAgeClasses; ++a)
            setSeriesAppearance(chart, 2 * a + 1, ageSeriesLooks()[a].style, ageSeriesLooks()[a].fill);
    setUpVerticalAxis(chart, distribution ? "Proportion" : "N(t)");
    setUpHorizontalAxis(chart, distribution ? "Time" : "time");

    if (distribution) {
        chart.setColumnLabelCount(4);
        for (int a = 0; a < kAgeClasses; ++a)
            for (int r = 1; r <= *rows; ++r) {
                chart.setData(r, 2 * a + 1, r - 1, false);
                chart.setData(r, 2 * a + 2, history.step(r - 1).proportions[a], false);
            }
        return {};
    }
    for (int a = 0; a < kAgeClasses; ++a) {
        chart.setColumn(2 * a + 1);
        chart.setColumnLabel(ageLabel(a));
        for (int r = 1; r <= *rows; ++r) {
            chart.setData(r, 2 * a + 1, r - 1, false);
            chart.setData(r, 2 * a + 2, history.step(r - 1).counts[a], false);
        }
    }
    return {};
}

}  // namespace

Result<void> ShowPopulationSize(ChartState& chart, const History& history)
{
    return drawTimeSeries(chart, history, {1, "Total population size", "N(t)", [](const History& h, int t) {
                                               return h.step(t).total;
                                           }});
}

Result<void> ShowGrowthRate(ChartState& chart, const History& history)
{
    return drawTimeSeries(chart, history, {0, "Growth rate", "N(t+1)/N(t)", [](const History& h, int k) {
                                               return static_cast<double>(h.growthRate(k));
                                           }});
}

Result<void> ShowChangeRate(ChartState& chart, const History& history)
{
    return drawTimeSeries(chart, history, {0, "Change rate dN(t)", "dN(t)", [](const History& h, int k) {
                                               return h.change(k);
                                           }});
}

Result<void> ShowAgeStructure(ChartState& chart, const History& history)
{
    return drawAgeChart(chart, history, AgeChart::Structure);
}

Result<void> ShowAgeDistribution(ChartState& chart, const History& history)
{
    return drawAgeChart(chart, history, AgeChart::Distribution);
}

Result<void> GraphAgeStructure(ChartState& chart, const History& history)
{
    return drawAgeChart(chart, history, AgeChart::Graph);
}

std::string ageLabel(int ageClass)
{
    return std::string("age ") + (ageClass >= 0 ? " " : "") + formatGeneral(ageClass, NumberLocale{});
}

}  // namespace dalvo
