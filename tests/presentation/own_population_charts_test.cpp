// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "presentation/own_population_charts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace dalvo {
namespace {

// Twelve classes that mature at 3 and age from 9, started all young: far from
// the stable distribution, so the charts have a convergence to show.
PopulationStudy twelveClasses(double fecundity = 1.5)
{
    OwnPopulation population;
    for (int j = 0; j < 12; ++j)
        population.matrix.fecundity.push_back(j < 3 ? 0.0 : j < 9 ? fecundity : fecundity / 3);
    population.matrix.survival.assign(11, 0.7);
    population.initial = {100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    return studyPopulation(population);
}

std::tuple<int, int, int> rgb(Colour c) { return {c.red, c.green, c.blue}; }

TEST(OwnPopulationChartsTest, DrawnClassesReadFromText)
{
    const std::vector<std::pair<const char*, std::vector<int>>> good = {
        {"0-3, 10, 20", {0, 1, 2, 3, 10, 20}}, {" 5 - 3 1", {1, 3, 4, 5}}, {"7,7 , 0", {0, 7}}, {"100", {100}}};
    for (const auto& [text, drawn] : good)
        EXPECT_EQ(parseDrawnClasses(text, 101).value(), drawn) << text;
    // Each refused with the part it could not read.
    for (const char* bad : {"101", "2a", "-1", "4-", "1--2", "x"}) {
        const Result<std::vector<int>> parsed = parseDrawnClasses("0-3, " + std::string(bad) + " ,", 101);
        EXPECT_NE((parsed ? std::string() : parsed.error().message).find('"' + std::string(bad) + '"'), std::string::npos) << bad;
    }
    EXPECT_FALSE(parseDrawnClasses(" , ", 101).ok());
}

TEST(OwnPopulationChartsTest, DefaultClassesAndColoursStayApart)
{
    for (int classes = 1; classes <= 101; ++classes) {
        const std::vector<int> drawn = defaultDrawnClasses(classes);
        ASSERT_EQ(drawn.size(), static_cast<std::size_t>(std::min(classes, 6))) << classes;
        EXPECT_TRUE(drawn.front() == 0 && drawn.back() == classes - 1) << classes;
        EXPECT_TRUE(std::adjacent_find(drawn.begin(), drawn.end(), std::greater_equal<>()) == drawn.end());
    }
    std::set<std::tuple<int, int, int>> colours;
    for (int k = 0; k < 12; ++k)
        EXPECT_TRUE(colours.insert(rgb(seriesColour(k))).second && (k >= 4 || seriesColour(k) == ageColour(k))) << k;
}

TEST(OwnPopulationChartsTest, ChartsShowTheStudysLimits)
{
    const PopulationStudy study = twelveClasses();
    ASSERT_TRUE(study.outlook && study.outlook->dampingRatio);
    const std::vector<int> drawn = {0, 4, 5, 6, 7, 8, 9, 11};
    const ChartDescription shares = ownDistributionChart(study, drawn, {});
    ASSERT_EQ(shares.series.size(), drawn.size());
    ASSERT_EQ(shares.guides.size(), drawn.size());
    std::set<std::tuple<int, int, int>> colours;
    for (std::size_t k = 0; k < drawn.size(); ++k) {
        const auto j = static_cast<std::size_t>(drawn[k]);
        EXPECT_EQ(shares.series[k].points.back().y, (*study.projection.distributions.back())[j]);
        EXPECT_EQ(shares.guides[k].value, study.outlook->stableDistribution[j]);
        EXPECT_EQ(shares.guides[k].colour, shares.series[k].look.fill);
        colours.insert(rgb(shares.series[k].look.fill));
    }
    EXPECT_EQ(colours.size(), drawn.size());

    const ChartDescription convergence = convergenceChart(study, {});
    ASSERT_EQ(convergence.series.size(), 2u);
    const std::vector<ChartPoint>& predicted = convergence.series[1].points;
    ASSERT_TRUE(predicted.size() > 5 && convergence.series[1].look.dashed && !convergence.series[0].look.dashed);
    EXPECT_EQ(predicted[0].y, convergence.series[0].points[0].y);
    for (std::size_t k = 1; k < predicted.size(); ++k)
        EXPECT_NEAR(predicted[k - 1].y / predicted[k].y, *study.outlook->dampingRatio, 1e-9);

    const ChartDescription rate = ownGrowthRateChart(study, {});
    ASSERT_EQ(rate.guides.size(), 1u);
    EXPECT_EQ(rate.guides[0].value, study.outlook->lambda);
    EXPECT_NEAR(rate.series[0].points.back().y, study.outlook->lambda, 1e-3);
}

TEST(OwnPopulationChartsTest, LogScaleChartsHoldOnlyPositivePoints)
{
    // With no young the total reaches 0 within twelve steps.
    for (const PopulationStudy& study : {twelveClasses(), twelveClasses(0.0)})
        for (const ChartDescription& chart : {ownTotalChart(study, true, {}), convergenceChart(study, {})})
            for (const ChartSeries& series : chart.series)
                for (const ChartPoint& point : series.points)
                    EXPECT_TRUE(chart.value.scale.logarithmic && point.y > 0 && point.y >= chart.value.scale.minimum &&
                                point.y <= chart.value.scale.maximum) << chart.title << " " << point.y;
}

}  // namespace
}  // namespace dalvo
