// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "presentation/chart_description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/chart_history.h"

namespace dalvo {
namespace {

using testing_charts::projectedHistory;
using testing_charts::writtenHistory;
using Points = std::vector<std::pair<double, double>>;
using Chart = ChartDescription (*)(const History&, const ChartInputs&);

Points points(const ChartDescription& chart, int series)
{
    Points result;
    for (const ChartPoint& point : chart.series.at(static_cast<std::size_t>(series)).points)
        result.emplace_back(point.x, point.y);
    return result;
}

Points along(const std::vector<double>& ys)
{
    Points result;
    for (std::size_t t = 0; t < ys.size(); ++t)
        result.emplace_back(static_cast<double>(t), ys[t]);
    return result;
}

// The charts drawn one after another, each remembering what the one before left.
ChartDescription drawInTurn(const std::vector<Chart>& charts, const History& history, ChartInputs inputs = {})
{
    ChartDescription shown;
    shown.memory = inputs.memory;
    for (Chart chart : charts) {
        inputs.memory = shown.memory;
        shown = chart(history, inputs);
    }
    return shown;
}

const SeriesLook kRedSquare{true, MarkerShape::Square, {255, 0, 0}};

TEST(ChartDescriptionTest, TimeSeriesAfterFourProjections)
{
    const auto history = projectedHistory(4);
    ASSERT_EQ(history->stepCount(), 4);
    struct Case {
        const char* name;
        Chart chart;
        std::string title, verticalTitle;
        Points points;
    };
    const std::vector<Case> cases = {
        {"population size", populationSizeChart, "Total population size", "N(t)", along({kDefaultRunTotals.begin(), kDefaultRunTotals.end()})},
        {"growth rate", growthRateChart, "Growth rate", "N(t+1)/N(t)",
         along({0.5, 2, 1.5, static_cast<double>(static_cast<float>(12.5 / 15.0))})},
        {"change rate", changeRateChart, "Change rate dN(t)", "dN(t)", along({-5, 5, 5, -2.5})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartDescription chart = c.chart(*history, {});
        ASSERT_EQ(chart.series.size(), 1u);
        EXPECT_EQ(points(chart, 0), c.points);
        EXPECT_FALSE(chart.legend);
        EXPECT_EQ(chart.title, c.title);
        EXPECT_EQ(chart.value.title, c.verticalTitle);
        EXPECT_EQ(chart.time.title, "time");
        EXPECT_EQ(chart.series[0].look, kRedSquare);
        EXPECT_TRUE(chart.guides.empty());
    }
}

TEST(ChartDescriptionTest, GrowthRateIsTheSinglePrecisionValueWidened)
{
    const auto history = projectedHistory(4);
    const double shown = growthRateChart(*history, {}).series[0].points[3].y;
    EXPECT_NEAR(shown, 0.833333313465118, 1e-15);
    EXPECT_NE(shown, 12.5 / 15.0);
}

TEST(ChartDescriptionTest, AgeChartsAfterFourProjections)
{
    const auto history = projectedHistory(4);
    const std::vector<std::vector<double>> structure = {
        {10, 0, 5, 10, 5}, {0, 5, 0, 2.5, 5}, {0, 0, 5, 0, 2.5}, {0, 0, 0, 2.5, 0}};
    const std::vector<std::vector<double>> distribution = {
        {1, 0, 0.5, 10 / 15.0, 0.4}, {0, 1, 0, 2.5 / 15, 0.4}, {0, 0, 0.5, 0, 0.2}, {0, 0, 0, 2.5 / 15, 0}};
    struct Case {
        const char* name;
        Chart chart;
        std::string title, verticalTitle, horizontalTitle;
        const std::vector<std::vector<double>>& values;
    };
    const Case cases[] = {
        {"Graph", graphAgeStructureChart, "Age structure", "N(t)", "time", structure},
        {"age structure", ageStructureChart, "Age structure", "N(t)", "time", structure},
        {"age distribution", ageDistributionChart, "Age distribution", "Proportion", "Time", distribution},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartDescription chart = c.chart(*history, {});
        ASSERT_EQ(chart.series.size(), 4u);
        EXPECT_TRUE(chart.legend);
        EXPECT_EQ(chart.title, c.title);
        EXPECT_EQ(chart.value.title, c.verticalTitle);
        EXPECT_EQ(chart.time.title, c.horizontalTitle);
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

TEST(ChartDescriptionTest, AgeDistributionSharesAddUpToOne)
{
    const auto history = projectedHistory(12);
    const ChartDescription chart = ageDistributionChart(*history, {});
    for (std::size_t t = 0; t < 13; ++t) {
        double sum = 0;
        for (int a = 0; a < 4; ++a)
            sum += chart.series[a].points.at(t).y;
        EXPECT_NEAR(sum, 1.0, 1e-12) << "step " << t;
    }
}

TEST(ChartDescriptionTest, EveryChartHasTheSameGridLook)
{
    const auto history = projectedHistory(4);
    for (Chart chart : {populationSizeChart, growthRateChart, changeRateChart, ageStructureChart,
                        ageDistributionChart, graphAgeStructureChart}) {
        const ChartDescription shown = chart(*history, {});
        SCOPED_TRACE(shown.title);
        EXPECT_EQ(shown.value.gridColour, (Colour{0, 0, 0}));
        EXPECT_EQ(shown.time.gridColour, (Colour{192, 192, 192}));
        EXPECT_FALSE(shown.time.scale.logarithmic);
    }
}

TEST(ChartDescriptionTest, MarkersFollowTheSeriesTable)
{
    const auto history = projectedHistory(4);
    struct Case {
        const char* name;
        Chart chart;
        int series;
        MarkerShape shape;
        Colour fill;
    };
    const Case cases[] = {
        {"time series", populationSizeChart, 0, MarkerShape::Square, {255, 0, 0}},
        {"age 0", ageStructureChart, 0, MarkerShape::Square, {255, 0, 0}},
        {"age 1", ageStructureChart, 1, MarkerShape::UpTriangle, {0, 0, 255}},
        {"age 2", ageDistributionChart, 2, MarkerShape::DownTriangle, {0, 255, 0}},
        {"age 3", ageDistributionChart, 3, MarkerShape::Diamond, {150, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SeriesLook look = c.chart(*history, {}).series[c.series].look;
        EXPECT_TRUE(look.marked);
        EXPECT_EQ(look.shape, c.shape);
        EXPECT_EQ(look.fill, c.fill);
    }
}

TEST(ChartDescriptionTest, GraphLeavesTheSeriesAsTheChartLastHadThem)
{
    const auto history = projectedHistory(4);
    struct Case {
        const char* name;
        std::vector<Chart> before;
        bool firstSeriesMarked;
        bool otherSeriesMarked;
    };
    const Case cases[] = {
        {"new chart", {}, false, false},
        {"after population size", {populationSizeChart}, true, false},
        {"after age structure", {ageStructureChart}, true, true},
        {"after age distribution and Graph", {ageDistributionChart, graphAgeStructureChart}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Chart> charts = c.before;
        charts.push_back(graphAgeStructureChart);
        const ChartDescription chart = drawInTurn(charts, *history);
        EXPECT_EQ(chart.series[0].look.marked, c.firstSeriesMarked);
        for (int a : {1, 2, 3})
            EXPECT_EQ(chart.series[a].look.marked, c.otherSeriesMarked) << a;
        // An age marked by any chart has that age's own look.
        EXPECT_EQ(chart.series[0].look == kRedSquare, c.firstSeriesMarked);
    }
}

TEST(ChartDescriptionTest, AgeLabelsHaveABlankForTheSign)
{
    const std::pair<int, std::string> cases[] = {{0, "age  0"}, {3, "age  3"}, {12, "age  12"}, {-1, "age -1"}};
    for (const auto& [ageClass, label] : cases)
        EXPECT_EQ(ageLabel(ageClass), label);
}

TEST(ChartDescriptionTest, WhichChartsNameTheSeries)
{
    const auto history = projectedHistory(4);
    struct Case {
        const char* name;
        std::vector<Chart> sequence;
        std::vector<std::string> names;
    };
    const std::vector<std::string> ages = {"age  0", "age  1", "age  2", "age  3"};
    const std::vector<std::string> defaults = {"column 1", "column 3", "column 5", "column 7"};
    const Case cases[] = {
        {"Graph names", {graphAgeStructureChart}, ages},
        {"age structure names", {ageStructureChart}, ages},
        {"distribution in a new chart keeps the defaults", {ageDistributionChart}, defaults},
        {"distribution after population size keeps the age names",
         {graphAgeStructureChart, populationSizeChart, ageDistributionChart},
         ages},
        {"a time series names nothing", {graphAgeStructureChart, changeRateChart, ageDistributionChart}, ages},
        {"names stay", {ageDistributionChart, ageStructureChart, ageDistributionChart}, ages},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartDescription chart = drawInTurn(c.sequence, *history);
        ASSERT_EQ(chart.series.size(), 4u);
        for (int a = 0; a < 4; ++a)
            EXPECT_EQ(chart.series[a].name, c.names[a]) << a;
    }
}

TEST(ChartDescriptionTest, AgeDistributionAfterPopulationSizeHasFourFullSeriesAgain)
{
    const auto history = projectedHistory(4);
    const ChartDescription chart =
        drawInTurn({graphAgeStructureChart, populationSizeChart, ageDistributionChart}, *history);
    ASSERT_EQ(chart.series.size(), 4u);
    for (int a = 0; a < 4; ++a)
        EXPECT_EQ(points(chart, a).size(), 5u) << a;
    EXPECT_EQ(chart.series[1].name, "age  1");
}

TEST(ChartDescriptionTest, SwitchingChartsChangesTheSteps)
{
    const auto history = projectedHistory(4);
    struct Case {
        const char* name;
        Chart first, second;
        std::size_t series, points;
    };
    const Case cases[] = {
        {"population to growth rate drops the last step", populationSizeChart, growthRateChart, 1, 4},
        {"change rate to population adds it", changeRateChart, populationSizeChart, 1, 5},
        {"age chart to change rate", ageStructureChart, changeRateChart, 1, 4},
        {"change rate to age distribution", changeRateChart, ageDistributionChart, 4, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartDescription chart = drawInTurn({c.first, c.second}, *history);
        ASSERT_EQ(chart.series.size(), c.series);
        for (const ChartSeries& series : chart.series) {
            ASSERT_EQ(series.points.size(), c.points);
            EXPECT_EQ(series.points.back().x, static_cast<double>(c.points - 1));
        }
    }
}

TEST(ChartDescriptionTest, TimeSeriesHideTheLegendAfterAnAgeChart)
{
    const auto history = projectedHistory(4);
    for (Chart chart : {populationSizeChart, growthRateChart, changeRateChart}) {
        const ChartDescription shown = drawInTurn({ageStructureChart, chart}, *history);
        EXPECT_FALSE(shown.legend) << shown.title;
    }
}

TEST(ChartDescriptionTest, PointsAtTheEndsOfTheRun)
{
    struct Case {
        const char* name;
        Chart chart;
        int stepCount;
        std::size_t points;
        std::function<double(const History&, int)> lastY;
    };
    const Case cases[] = {
        {"population, no step", populationSizeChart, 0, 1, [](const History& h, int) { return h.step(0).total; }},
        {"growth rate, no step", growthRateChart, 0, 0, nullptr},
        {"change rate, no step", changeRateChart, 0, 0, nullptr},
        {"age structure, no step", ageStructureChart, 0, 1,
         [](const History& h, int) { return h.step(0).counts[3]; }},
        {"population, last step", populationSizeChart, kLastStep, 1001,
         [](const History& h, int) { return h.step(kLastStep).total; }},
        {"growth rate, last step", growthRateChart, kLastStep, 1000,
         [](const History& h, int) { return static_cast<double>(h.growthRate(kLastStep - 1)); }},
        {"change rate, last step", changeRateChart, kLastStep, 1000,
         [](const History& h, int) { return h.change(kLastStep - 1); }},
        {"age structure, last step", ageStructureChart, kLastStep, 1001,
         [](const History& h, int) { return h.step(kLastStep).counts[3]; }},
        {"age distribution, last step", ageDistributionChart, kLastStep, 1001,
         [](const History& h, int) { return h.step(kLastStep).proportions[3]; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto history = writtenHistory(c.stepCount);
        const ChartDescription chart = c.chart(*history, {});
        const ChartSeries& last = chart.series.back();
        ASSERT_EQ(last.points.size(), c.points);
        if (!c.lastY)
            continue;
        EXPECT_EQ(last.points.back().x, static_cast<double>(c.points - 1));
        EXPECT_EQ(last.points.back().y, c.lastY(*history, static_cast<int>(c.points)));
    }
}

TEST(ChartDescriptionTest, AxesHoldTheDataInRoundSteps)
{
    const auto history = projectedHistory(4);
    struct Case {
        Chart chart;
        std::vector<double> time, value;
    };
    const Case cases[] = {
        {populationSizeChart, {0, 1, 2, 3, 4}, {4, 6, 8, 10, 12, 14, 16}},
        {growthRateChart, {0, 1, 2, 3}, {0.5, 1, 1.5, 2}},
        {ageDistributionChart, {0, 1, 2, 3, 4}, {0, 0.2, 0.4, 0.6, 0.8, 1}},
    };
    for (const Case& c : cases) {
        const ChartDescription chart = c.chart(*history, {});
        SCOPED_TRACE(chart.title);
        EXPECT_EQ(chart.time.scale.ticks(), c.time);
        const std::vector<double> ticks = chart.value.scale.ticks();
        ASSERT_EQ(ticks.size(), c.value.size());
        for (std::size_t i = 0; i < ticks.size(); ++i)
            EXPECT_NEAR(ticks[i], c.value[i], 1e-12);
    }
}

TEST(ChartDescriptionTest, GrowthRateShowsLambdaAsALabelledGuide)
{
    const auto history = projectedHistory(4);
    struct Case {
        const char* name;
        double lambda;
        std::string separator;
        std::string number;
    };
    const Case cases[] = {
        {"six significant digits", 1.2197724, ".", "1.21977"},
        {"the regional separator", 1.2197724, ",", "1,21977"},
        {"a whole value", 2.0, ".", "2"},
        {"far above the rates, still on the axis", 7.5, ".", "7.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LongTermOutlook outlook = outlookWithLambda(c.lambda);
        const ChartDescription chart =
            growthRateChart(*history, {{}, &outlook, false, NumberLocale{c.separator}});
        ASSERT_EQ(chart.guides.size(), 1u);
        EXPECT_EQ(chart.guides[0].value, c.lambda);
        EXPECT_EQ(chart.guides[0].caption, "λ = %1");
        EXPECT_EQ(chart.guides[0].number, c.number);
        EXPECT_LE(chart.value.scale.minimum, c.lambda);
        EXPECT_GE(chart.value.scale.maximum, c.lambda);
    }
}

// A rate that cycles never settles on λ, and the line must not suggest it does.
TEST(ChartDescriptionTest, AnImprimitiveMatrixsLambdaSaysTheRateCycles)
{
    const auto history = projectedHistory(4);
    const Result<LongTermOutlook> outlook = analyseLongTerm({{0, 0, 2}, {0.3, 0.6}});
    ASSERT_TRUE(outlook);
    const ChartDescription chart = growthRateChart(*history, {{}, &*outlook, false, NumberLocale{}});
    ASSERT_EQ(chart.guides.size(), 1u);
    EXPECT_NE(chart.guides[0].caption.find("cycles with period %2"), std::string::npos);
    EXPECT_EQ(chart.guides[0].period, "3");
    EXPECT_EQ(chart.guides[0].number, "0.711379");
}

// A rate that stays level but for its last float digits is drawn level: the
// axis does not magnify the flicker into swings across the plot.
TEST(ChartDescriptionTest, TheGrowthRateAxisDoesNotMagnifyALevelRate)
{
    const Result<LongTermOutlook> imprimitive = analyseLongTerm({{0, 0, 0, 4}, {0.5, 1, 0.5}});
    ASSERT_TRUE(imprimitive);
    struct Case {
        const char* name;
        std::vector<float> rates;  // repeated along the run
        double leastSpan, mostSpan;
    };
    const Case cases[] = {
        {"from its stable shares", {1.0f, std::nextafter(1.0f, 2.0f), 1.0f}, 0.199, 0.4},
        {"cycling for real", {0.5f, 1.0f, 0.5f, 4.0f}, 3.5, 5.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HistoryRows rows;
        rows.steps.resize(kLastStep + 1);
        for (int k = 0; k < kLastStep; ++k)
            rows.growthRates.push_back(c.rates[static_cast<std::size_t>(k) % c.rates.size()]);
        const AxisScale axis = growthRateChart(*rows.build(), {{}, &*imprimitive, false, {}}).value.scale;
        EXPECT_LE(axis.minimum, *std::min_element(c.rates.begin(), c.rates.end()));
        EXPECT_GE(axis.maximum, *std::max_element(c.rates.begin(), c.rates.end()));
        EXPECT_GE(axis.maximum - axis.minimum, c.leastSpan);
        EXPECT_LE(axis.maximum - axis.minimum, c.mostSpan);
    }
}

TEST(ChartDescriptionTest, NoLambdaGuideWithoutAGrowingOutlook)
{
    const auto history = projectedHistory(4);
    const LongTermOutlook diesOut = outlookWithLambda(0.0);
    const LongTermOutlook growing = outlookWithLambda(1.5);
    struct Case {
        const char* name;
        Chart chart;
        const LongTermOutlook* outlook;
    };
    const Case cases[] = {
        {"no outlook", growthRateChart, nullptr},
        {"λ = 0", growthRateChart, &diesOut},
        {"population size", populationSizeChart, &growing},
        {"change rate", changeRateChart, &growing},
        {"age structure", ageStructureChart, &growing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(c.chart(*history, {{}, c.outlook, false, {}}).guides.empty());
    }
}

TEST(ChartDescriptionTest, AgeDistributionShowsTheStableSharesInTheAgeColours)
{
    const auto history = projectedHistory(4);
    const LongTermOutlook outlook = outlookWithLambda(1.2);
    const ChartDescription chart = ageDistributionChart(*history, {{}, &outlook, false, {}});
    const Colour colours[] = {{255, 0, 0}, {0, 0, 255}, {0, 255, 0}, {150, 0, 0}};
    ASSERT_EQ(chart.guides.size(), 4u);
    for (int a = 0; a < 4; ++a) {
        SCOPED_TRACE(a);
        EXPECT_EQ(chart.guides[a].value, outlook.stableDistribution[a]);
        EXPECT_EQ(chart.guides[a].colour, colours[a]);
        EXPECT_EQ(chart.guides[a].colour, chart.series[a].look.fill);
        EXPECT_TRUE(chart.guides[a].caption.empty());
    }
    EXPECT_TRUE(ageDistributionChart(*history, {}).guides.empty());
}

TEST(ChartDescriptionTest, LogScaleLeavesOutWhatItCannotPlace)
{
    const auto history = projectedHistory(4);
    struct Case {
        const char* name;
        Chart chart;
        int series;
        Points points;
        std::vector<double> ticks;
        std::vector<std::size_t> breaks;  // where a line through the points starts afresh
    };
    const Case cases[] = {
        {"population size", populationSizeChart, 0, along({kDefaultRunTotals.begin(), kDefaultRunTotals.end()}), {1, 10, 100}, {}},
        {"age 1 without its zeros", ageStructureChart, 1, {{1, 5}, {3, 2.5}, {4, 5}}, {1, 10}, {1}},
        {"age 3 without its zeros", ageStructureChart, 3, {{3, 2.5}}, {1, 10}, {}},
        {"Graph as well", graphAgeStructureChart, 2, {{2, 5}, {4, 2.5}}, {1, 10}, {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartDescription chart = c.chart(*history, {{}, nullptr, true, {}});
        EXPECT_TRUE(chart.value.scale.logarithmic);
        EXPECT_EQ(points(chart, c.series), c.points);
        EXPECT_EQ(chart.series[c.series].breaks, c.breaks);
        const std::vector<double> ticks = chart.value.scale.ticks();
        ASSERT_EQ(ticks.size(), c.ticks.size());
        for (std::size_t i = 0; i < ticks.size(); ++i)
            EXPECT_DOUBLE_EQ(ticks[i], c.ticks[i]);
        EXPECT_FALSE(chart.time.scale.logarithmic);
    }
    // The other charts keep their linear axis and every point.
    for (Chart chart : {growthRateChart, changeRateChart, ageDistributionChart}) {
        const ChartDescription shown = chart(*history, {{}, nullptr, true, {}});
        SCOPED_TRACE(shown.title);
        EXPECT_FALSE(shown.value.scale.logarithmic);
        const std::size_t steps = chart == ageDistributionChart ? 5 : 4;
        EXPECT_EQ(shown.series.back().points.size(), steps);
    }
}

}  // namespace
}  // namespace dalvo
