#include "views/charts/chart_operations.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/views/charts/chart_history.h"

namespace dalvo {
namespace {

using testing_charts::projectedHistory;
using testing_charts::writtenHistory;
using Points = std::vector<std::pair<double, double>>;
using Operation = Result<void> (*)(ChartState&, const History&);

// Every cell of a column pair, which must all hold values.
Points points(const ChartState& chart, int series)
{
    Points result;
    for (int r = 1; r <= chart.rowCount(); ++r) {
        const ChartCell& x = chart.cell(r, 2 * series + 1);
        const ChartCell& y = chart.cell(r, 2 * series + 2);
        EXPECT_FALSE(x.isNull || y.isNull) << "row " << r << " of series " << series;
        result.emplace_back(x.value, y.value);
    }
    return result;
}

Points along(const std::vector<double>& ys)
{
    Points result;
    for (std::size_t t = 0; t < ys.size(); ++t)
        result.emplace_back(static_cast<double>(t), ys[t]);
    return result;
}

void draw(Operation operation, ChartState& chart, const History& history)
{
    const Result<void> drawn = operation(chart, history);
    ASSERT_TRUE(drawn.ok()) << drawn.error().message;
}

TEST(ChartOperationsTest, TimeSeriesAfterFourProjections)
{
    const auto history = projectedHistory(4);
    ASSERT_EQ(history->stepCount(), 4);
    struct Case {
        const char* name;
        Operation operation;
        std::string title, verticalTitle;
        Points points;
    };
    const std::vector<Case> cases = {
        {"population size", ShowPopulationSize, "Total population size", "N(t)",
         along({10, 5, 10, 15, 12.5})},
        {"growth rate", ShowGrowthRate, "Growth rate", "N(t+1)/N(t)",
         along({0.5, 2, 1.5, static_cast<double>(static_cast<float>(12.5 / 15.0))})},
        {"change rate", ShowChangeRate, "Change rate dN(t)", "dN(t)", along({-5, 5, 5, -2.5})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartState chart;
        draw(c.operation, chart, *history);
        EXPECT_EQ(chart.columnCount(), 2);
        EXPECT_EQ(chart.rowCount(), static_cast<int>(c.points.size()));
        EXPECT_EQ(points(chart, 0), c.points);
        EXPECT_EQ(chart.chartType, ChartType::XY2D);
        EXPECT_FALSE(chart.showLegend);
        EXPECT_EQ(chart.titleText, c.title);
        EXPECT_EQ(chart.axis(AxisId::Y).titleText, c.verticalTitle);
        EXPECT_EQ(chart.axis(AxisId::X).titleText, "time");
    }
}

TEST(ChartOperationsTest, GrowthRateIsTheSinglePrecisionValueWidened)
{
    const auto history = projectedHistory(4);
    ChartState chart;
    draw(ShowGrowthRate, chart, *history);
    const double shown = chart.cell(4, 2).value;
    EXPECT_NEAR(shown, 0.833333313465118, 1e-15);
    EXPECT_NE(shown, 12.5 / 15.0);
}

TEST(ChartOperationsTest, AgeChartsAfterFourProjections)
{
    const auto history = projectedHistory(4);
    const std::vector<std::vector<double>> structure = {
        {10, 0, 5, 10, 5}, {0, 5, 0, 2.5, 5}, {0, 0, 5, 0, 2.5}, {0, 0, 0, 2.5, 0}};
    const std::vector<std::vector<double>> distribution = {
        {1, 0, 0.5, 10 / 15.0, 0.4}, {0, 1, 0, 2.5 / 15, 0.4}, {0, 0, 0.5, 0, 0.2}, {0, 0, 0, 2.5 / 15, 0}};
    struct Case {
        const char* name;
        Operation operation;
        std::string title, verticalTitle, horizontalTitle;
        const std::vector<std::vector<double>>& values;
    };
    const Case cases[] = {
        {"Graph", GraphAgeStructure, "Age structure", "N(t)", "time", structure},
        {"age structure", ShowAgeStructure, "Age structure", "N(t)", "time", structure},
        {"age distribution", ShowAgeDistribution, "Age distribution", "Proportion", "Time", distribution},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartState chart;
        draw(c.operation, chart, *history);
        EXPECT_EQ(chart.columnCount(), 8);
        EXPECT_EQ(chart.rowCount(), 5);
        EXPECT_TRUE(chart.showLegend);
        EXPECT_EQ(chart.legendLocation, LegendLocation::Right);
        EXPECT_EQ(chart.titleText, c.title);
        EXPECT_EQ(chart.axis(AxisId::Y).titleText, c.verticalTitle);
        EXPECT_EQ(chart.axis(AxisId::X).titleText, c.horizontalTitle);
        for (int a = 0; a < 4; ++a) {
            SCOPED_TRACE(a);
            const Points got = points(chart, a);
            ASSERT_EQ(got.size(), 5u);
            for (int t = 0; t < 5; ++t) {
                EXPECT_EQ(got[t].first, t);
                EXPECT_NEAR(got[t].second, c.values[a][t], 1e-15);
            }
        }
    }
}

TEST(ChartOperationsTest, AgeDistributionSharesAddUpToOne)
{
    const auto history = projectedHistory(12);
    ChartState chart;
    draw(ShowAgeDistribution, chart, *history);
    ASSERT_EQ(chart.rowCount(), 13);
    for (int r = 1; r <= chart.rowCount(); ++r) {
        double sum = 0;
        for (int a = 0; a < 4; ++a)
            sum += chart.cell(r, 2 * a + 2).value;
        EXPECT_NEAR(sum, 1.0, 1e-12) << "step " << r - 1;
    }
}

TEST(ChartOperationsTest, EveryChartSetsTheSameAxisAndTitleLook)
{
    const auto history = projectedHistory(4);
    const Operation operations[] = {ShowPopulationSize, ShowGrowthRate,      ShowChangeRate,
                                    ShowAgeStructure,   ShowAgeDistribution, GraphAgeStructure};
    for (Operation operation : operations) {
        ChartState chart;
        chart.uniformAxis = true;
        chart.legendLocation = LegendLocation::Bottom;
        chart.axis(AxisId::Y).gridColour = Rgb{1, 2, 3};
        chart.axis(AxisId::Y).gridStyle = PenStyle::Null;
        draw(operation, chart, *history);
        SCOPED_TRACE(chart.titleText);
        EXPECT_EQ(chart.titleFont, (ChartFont{"Arial", 12.0}));
        EXPECT_EQ(chart.legendLocation, LegendLocation::Right);
        EXPECT_FALSE(chart.uniformAxis);
        for (AxisId id : {AxisId::X, AxisId::Y}) {
            EXPECT_TRUE(chart.axis(id).titleVisible);
            EXPECT_EQ(chart.axis(id).titleFont, (ChartFont{"Arial", 12.0}));
        }
        EXPECT_EQ(chart.axis(AxisId::Y).gridStyle, PenStyle::Solid);
        EXPECT_EQ(chart.axis(AxisId::Y).gridColour, (Rgb{0, 0, 0}));
    }
}

TEST(ChartOperationsTest, MarkersFollowTheSeriesTable)
{
    const auto history = projectedHistory(4);
    struct Case {
        const char* name;
        Operation operation;
        int column;
        MarkerStyle style;
        Rgb fill;
    };
    const Case cases[] = {
        {"time series", ShowPopulationSize, 1, MarkerStyle::FilledSquare, {255, 0, 0}},
        {"age 0", ShowAgeStructure, 1, MarkerStyle::FilledSquare, {255, 0, 0}},
        {"age 1", ShowAgeStructure, 3, MarkerStyle::FilledUpTriangle, {0, 0, 255}},
        {"age 2", ShowAgeDistribution, 5, MarkerStyle::FilledDownTriangle, {0, 255, 0}},
        {"age 3", ShowAgeDistribution, 7, MarkerStyle::FilledDiamond, {150, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartState chart;
        draw(c.operation, chart, *history);
        const SeriesAppearance& series = chart.series(c.column);
        EXPECT_FALSE(series.showLine);
        EXPECT_FALSE(series.autoMarker);
        EXPECT_EQ(series.regressionLine, PenStyle::Null);
        EXPECT_TRUE(series.marker.visible);
        EXPECT_EQ(series.marker.size, 200.0);
        EXPECT_EQ(series.marker.style, c.style);
        EXPECT_EQ(series.marker.outlineStyle, PenStyle::Solid);
        EXPECT_EQ(series.marker.outlineWidth, 5.0);
        EXPECT_EQ(series.marker.outline, (Rgb{0, 0, 0}));
        EXPECT_EQ(series.marker.fill, c.fill);
    }
}

TEST(ChartOperationsTest, FillSetsOnlyTheComponentsItNames)
{
    const auto history = projectedHistory(4);
    ChartState chart;
    chart.setColumnCount(8);
    for (int column : {1, 3, 5, 7})
        chart.series(column).marker.fill = Rgb{7, 8, 9};
    draw(ShowAgeStructure, chart, *history);
    EXPECT_EQ(chart.series(1).marker.fill, (Rgb{255, 8, 9}));
    EXPECT_EQ(chart.series(3).marker.fill, (Rgb{7, 8, 255}));
    EXPECT_EQ(chart.series(5).marker.fill, (Rgb{0, 255, 0}));
    EXPECT_EQ(chart.series(7).marker.fill, (Rgb{150, 8, 9}));
}

TEST(ChartOperationsTest, GraphLeavesTheSeriesAsTheChartLastHadThem)
{
    const auto history = projectedHistory(4);
    struct Case {
        const char* name;
        std::vector<Operation> before;
        bool firstSeriesMarked;
        bool otherSeriesMarked;
    };
    const Case cases[] = {
        {"new chart", {}, false, false},
        {"after population size", {ShowPopulationSize}, true, false},
        {"after age structure", {ShowAgeStructure}, true, true},
        {"after age distribution and Graph", {ShowAgeDistribution, GraphAgeStructure}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartState chart;
        for (Operation operation : c.before)
            draw(operation, chart, *history);
        draw(GraphAgeStructure, chart, *history);
        EXPECT_EQ(chart.series(1).autoMarker, !c.firstSeriesMarked);
        EXPECT_EQ(chart.series(1).showLine, !c.firstSeriesMarked);
        for (int column : {3, 5, 7}) {
            EXPECT_EQ(chart.series(column).autoMarker, !c.otherSeriesMarked) << column;
            EXPECT_EQ(chart.series(column).showLine, !c.otherSeriesMarked) << column;
        }
    }
}

TEST(ChartOperationsTest, AgeLabelsHaveABlankForTheSign)
{
    const std::pair<int, std::string> cases[] = {
        {0, "age  0"}, {3, "age  3"}, {12, "age  12"}, {-1, "age -1"}};
    for (const auto& [ageClass, label] : cases)
        EXPECT_EQ(ageLabel(ageClass), label);
}

TEST(ChartOperationsTest, WhichChartsLabelTheSeries)
{
    const auto history = projectedHistory(4);
    struct Case {
        const char* name;
        std::vector<Operation> sequence;
        std::vector<std::string> labels;  // of columns 1, 3, 5, 7
        int labelLevels;
    };
    const std::vector<std::string> ages = {"age  0", "age  1", "age  2", "age  3"};
    const std::vector<std::string> defaults = {"column 1", "column 3", "column 5", "column 7"};
    const Case cases[] = {
        {"Graph labels", {GraphAgeStructure}, ages, 1},
        {"age structure labels", {ShowAgeStructure}, ages, 1},
        {"distribution in a new chart keeps the defaults", {ShowAgeDistribution}, defaults, 4},
        {"distribution after population size keeps the age labels",
         {GraphAgeStructure, ShowPopulationSize, ShowAgeDistribution},
         ages,
         4},
        {"a time series labels nothing", {GraphAgeStructure, ShowChangeRate}, ages, 1},
        {"label levels stay", {ShowAgeDistribution, ShowAgeStructure}, ages, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartState chart;
        for (Operation operation : c.sequence)
            draw(operation, chart, *history);
        for (int a = 0; a < 4; ++a)
            EXPECT_EQ(chart.columnLabel(2 * a + 1), c.labels[a]) << a;
        EXPECT_EQ(chart.columnLabelCount(), c.labelLevels);
    }
}

TEST(ChartOperationsTest, AgeDistributionAfterPopulationSizeHasEightFullColumnsAgain)
{
    const auto history = projectedHistory(4);
    ChartState chart;
    draw(GraphAgeStructure, chart, *history);
    draw(ShowPopulationSize, chart, *history);
    ASSERT_EQ(chart.columnCount(), 2);
    draw(ShowAgeDistribution, chart, *history);
    EXPECT_EQ(chart.columnCount(), 8);
    EXPECT_EQ(chart.seriesCount(), 4);
    for (int a = 0; a < 4; ++a)
        EXPECT_EQ(points(chart, a).size(), 5u) << a;
    EXPECT_EQ(chart.columnLabel(3), "age  1");
}

TEST(ChartOperationsTest, SwitchingChartsResizesTheGrid)
{
    const auto history = projectedHistory(4);
    struct Case {
        const char* name;
        Operation first, second;
        int columns, rows;
    };
    const Case cases[] = {
        {"population to growth rate drops the last step", ShowPopulationSize, ShowGrowthRate, 2, 4},
        {"change rate to population adds it", ShowChangeRate, ShowPopulationSize, 2, 5},
        {"age chart to change rate", ShowAgeStructure, ShowChangeRate, 2, 4},
        {"change rate to age distribution", ShowChangeRate, ShowAgeDistribution, 8, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartState chart;
        draw(c.first, chart, *history);
        draw(c.second, chart, *history);
        EXPECT_EQ(chart.columnCount(), c.columns);
        EXPECT_EQ(chart.rowCount(), c.rows);
        for (int s = 0; s < c.columns / 2; ++s)
            EXPECT_EQ(points(chart, s).back().first, c.rows - 1);
    }
}

TEST(ChartOperationsTest, TimeSeriesHideTheLegendAfterAnAgeChart)
{
    const auto history = projectedHistory(4);
    for (Operation operation : {ShowPopulationSize, ShowGrowthRate, ShowChangeRate}) {
        ChartState chart;
        draw(ShowAgeStructure, chart, *history);
        ASSERT_TRUE(chart.showLegend);
        draw(operation, chart, *history);
        EXPECT_FALSE(chart.showLegend) << chart.titleText;
    }
}

TEST(ChartOperationsTest, RowsAtTheEndsOfTheRun)
{
    struct Case {
        const char* name;
        Operation operation;
        int stepCount;
        int rows;
        std::function<double(const History&, int)> lastY;
    };
    const Case cases[] = {
        {"population, no step", ShowPopulationSize, 0, 1, [](const History& h, int) { return h.step(0).total; }},
        {"growth rate, no step", ShowGrowthRate, 0, 0, nullptr},
        {"change rate, no step", ShowChangeRate, 0, 0, nullptr},
        {"age structure, no step", ShowAgeStructure, 0, 1,
         [](const History& h, int) { return h.step(0).counts[3]; }},
        {"population, last step", ShowPopulationSize, kLastStep, 1001,
         [](const History& h, int) { return h.step(kLastStep).total; }},
        {"growth rate, last step", ShowGrowthRate, kLastStep, 1000,
         [](const History& h, int) { return static_cast<double>(h.growthRate(kLastStep - 1)); }},
        {"change rate, last step", ShowChangeRate, kLastStep, 1000,
         [](const History& h, int) { return h.change(kLastStep - 1); }},
        {"age structure, last step", ShowAgeStructure, kLastStep, 1001,
         [](const History& h, int) { return h.step(kLastStep).counts[3]; }},
        {"age distribution, last step", ShowAgeDistribution, kLastStep, 1001,
         [](const History& h, int) { return h.step(kLastStep).proportions[3]; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto history = writtenHistory(c.stepCount);
        ChartState chart;
        chart.setRowCount(50);
        draw(c.operation, chart, *history);
        EXPECT_EQ(chart.rowCount(), c.rows);
        if (!c.lastY)
            continue;
        const int lastColumn = chart.columnCount();
        EXPECT_EQ(chart.cell(c.rows, lastColumn - 1).value, c.rows - 1);
        EXPECT_EQ(chart.cell(c.rows, lastColumn).value, c.lastY(*history, c.rows));
    }
}

}  // namespace
}  // namespace dalvo
