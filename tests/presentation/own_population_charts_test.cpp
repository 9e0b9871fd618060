#include "presentation/own_population_charts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace dalvo {
namespace {

// Twelve classes that mature at 3 and age from 9, started all young: far from
// the stable distribution, so the charts have a convergence to show.
OwnPopulation twelveClasses()
{
    OwnPopulation population;
    for (int j = 0; j < 12; ++j)
        population.matrix.fecundity.push_back(j < 3 ? 0.0 : j < 9 ? 1.5 : 0.5);
    population.matrix.survival.assign(11, 0.7);
    population.initial.assign(12, 0.0);
    population.initial[0] = 100;
    return population;
}

TEST(OwnPopulationChartsTest, DrawnClassesReadFromText)
{
    struct Case {
        const char* text;
        std::vector<int> drawn;  // empty: refused, naming `bad`
        const char* bad;
    };
    const Case cases[] = {
        {"0-3, 10, 20", {0, 1, 2, 3, 10, 20}, ""}, {" 5 - 3 1", {1, 3, 4, 5}, ""}, {"7,7 , 0", {0, 7}, ""},
        {"100", {100}, ""}, {"0-3, 101", {}, "\"101\""}, {"2a, 3", {}, "\"2a\""}, {"-1", {}, "\"-1\""},
        {"4-", {}, "\"4-\""}, {"1--2", {}, "\"1--2\""}, {"x", {}, "\"x\""}, {" , ", {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Result<std::vector<int>> parsed = parseDrawnClasses(c.text, 101);
        ASSERT_EQ(parsed.ok(), !c.drawn.empty());
        if (parsed)
            EXPECT_EQ(*parsed, c.drawn);
        else
            EXPECT_NE(parsed.error().message.find(c.bad), std::string::npos) << parsed.error().message;
    }
}

TEST(OwnPopulationChartsTest, DefaultClassesSpanFirstToLastWithoutRepeats)
{
    for (int classes = 1; classes <= 101; ++classes) {
        const std::vector<int> drawn = defaultDrawnClasses(classes);
        ASSERT_EQ(drawn.size(), static_cast<std::size_t>(std::min(classes, 6))) << classes;
        EXPECT_EQ(drawn.front(), 0);
        EXPECT_EQ(drawn.back(), classes - 1);
        EXPECT_TRUE(std::adjacent_find(drawn.begin(), drawn.end(), std::greater_equal<>()) == drawn.end());
    }
}

TEST(OwnPopulationChartsTest, SeriesColoursKeepTheAgeColoursAndStayApart)
{
    std::set<std::vector<int>> seen;
    for (int k = 0; k < 12; ++k) {
        const Colour c = seriesColour(k);
        if (k < 4) {
            EXPECT_EQ(c, ageColour(k));
        }
        EXPECT_TRUE(seen.insert({c.red, c.green, c.blue}).second) << k;
    }
}

TEST(OwnPopulationChartsTest, EveryDrawnClassHasItsSeriesAndItsStableShare)
{
    const PopulationStudy study = studyPopulation(twelveClasses());
    ASSERT_TRUE(study.outlook);
    const std::vector<int> drawn = {0, 4, 5, 6, 7, 8, 9, 11};
    const ChartDescription chart = ownDistributionChart(study, drawn, {});
    ASSERT_EQ(chart.series.size(), drawn.size());
    ASSERT_EQ(chart.guides.size(), drawn.size());
    std::set<std::vector<int>> colours;
    for (std::size_t k = 0; k < drawn.size(); ++k) {
        const auto j = static_cast<std::size_t>(drawn[k]);
        EXPECT_EQ(chart.series[k].points.size(), 51u);
        EXPECT_DOUBLE_EQ(chart.guides[k].value, study.outlook->stableDistribution[j]);
        EXPECT_EQ(chart.guides[k].colour, chart.series[k].look.fill);
        EXPECT_DOUBLE_EQ(chart.series[k].points.back().y, (*study.projection.distributions.back())[j]);
        colours.insert({chart.series[k].look.fill.red, chart.series[k].look.fill.green, chart.series[k].look.fill.blue});
    }
    EXPECT_EQ(colours.size(), drawn.size());
}

TEST(OwnPopulationChartsTest, PredictionFallsByTheDampingRatioPerStep)
{
    const PopulationStudy study = studyPopulation(twelveClasses());
    ASSERT_TRUE(study.outlook && study.outlook->dampingRatio);
    const ChartDescription chart = convergenceChart(study, {});
    ASSERT_EQ(chart.series.size(), 2u);
    EXPECT_FALSE(chart.series[0].look.dashed);
    const std::vector<ChartPoint>& predicted = chart.series[1].points;
    EXPECT_TRUE(chart.series[1].look.dashed);
    ASSERT_GT(predicted.size(), 5u);
    EXPECT_DOUBLE_EQ(predicted[0].y, chart.series[0].points[0].y);
    for (std::size_t k = 1; k < predicted.size(); ++k)
        EXPECT_NEAR(predicted[k - 1].y / predicted[k].y, *study.outlook->dampingRatio, 1e-9);
}

TEST(OwnPopulationChartsTest, LogScaleChartsHoldOnlyPositivePoints)
{
    OwnPopulation dying = twelveClasses();
    dying.matrix.fecundity.assign(12, 0.0);  // no young: the total reaches 0 within twelve steps
    for (const OwnPopulation& population : {twelveClasses(), dying}) {
        const PopulationStudy study = studyPopulation(population);
        for (const ChartDescription& chart : {ownTotalChart(study, true, {}), convergenceChart(study, {})}) {
            SCOPED_TRACE(chart.title);
            EXPECT_TRUE(chart.value.scale.logarithmic);
            for (const ChartSeries& series : chart.series)
                for (const ChartPoint& point : series.points) {
                    EXPECT_GT(point.y, 0.0);
                    EXPECT_GE(point.y, chart.value.scale.minimum);
                    EXPECT_LE(point.y, chart.value.scale.maximum);
                }
        }
    }
}

TEST(OwnPopulationChartsTest, GrowthRateSettlesOnItsLambdaLine)
{
    const PopulationStudy study = studyPopulation(twelveClasses());
    const ChartDescription chart = ownGrowthRateChart(study, {});
    ASSERT_EQ(chart.guides.size(), 1u);
    EXPECT_DOUBLE_EQ(chart.guides[0].value, study.outlook->lambda);
    EXPECT_EQ(chart.series[0].points.size(), 50u);
    EXPECT_NEAR(chart.series[0].points.back().y, study.outlook->lambda, 1e-3);
}

}  // namespace
}  // namespace dalvo
