// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "presentation/chance_charts.h"

#include <gtest/gtest.h>

#include <string>

namespace dalvo {
namespace {

const ChartSeries* named(const ChartDescription& chart, const std::string& name)
{
    for (const ChartSeries& series : chart.series)
        if (series.name == name)
            return &series;
    return nullptr;
}

// The fan's bands nest around the median, the risk's band holds the simulated
// curve, the exact curve is drawn exactly where the run gives one, and a log
// axis leaves no band edge it cannot place.
TEST(ChanceCharts, BandsNestAndTheExactCurveIsDrawnWhereGiven)
{
    struct Case {
        const char* name;
        ChanceSettings settings;
        bool logScale;
        bool exact;
    };
    const ChanceSettings demographic{.replicates = 300, .steps = 30};
    ChanceSettings environmental = demographic;
    environmental.demographic = false;
    environmental.environmental = true;
    ChanceSettings both = environmental;
    both.demographic = true;
    ChanceSettings higherThreshold = demographic;
    higherThreshold.threshold = 5;
    const Case cases[] = {
        {"demographic chance alone", demographic, false, true},
        {"demographic chance on a log axis, runs dying out", demographic, true, true},
        {"environmental variation alone", environmental, true, false},
        {"both kinds", both, false, false},
        {"a threshold above 1", higherThreshold, false, false},
    };
    // Small enough that many runs die out, so that bands reach 0.
    const ChancePopulation population{{{0, 1, 2, 1}, {0.5, 1, 0.5}}, {3, 0, 0, 0}, {}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<ChanceResult> result = runChance(population, c.settings);
        ASSERT_TRUE(result) << result.error().message;
        const ChartDescription fan = chanceFanChart(*result, c.logScale);
        ASSERT_EQ(fan.bands.size(), 2u);
        const ChartBand& outer = fan.bands[0];
        const ChartBand& middle = fan.bands[1];
        const ChartSeries* median = named(fan, "Median");
        ASSERT_NE(median, nullptr);
        const auto steps = static_cast<std::size_t>(c.settings.steps) + 1;
        ASSERT_EQ(outer.lower.size(), steps);
        ASSERT_EQ(middle.upper.size(), steps);
        for (std::size_t t = 0; t < steps; ++t) {
            const double order[] = {outer.lower[t].y, middle.lower[t].y, middle.upper[t].y, outer.upper[t].y};
            for (int k = 1; k < 4; ++k)
                EXPECT_LE(order[k - 1], order[k]) << "t = " << t;
            for (const ChartBand* band : {&outer, &middle})
                EXPECT_EQ(band->lower[t].x, band->upper[t].x);
            if (c.logScale) {
                EXPECT_GE(outer.lower[t].y, fan.value.scale.minimum) << "t = " << t;
            }
        }
        for (const ChartPoint& point : median->points) {
            const auto t = static_cast<std::size_t>(point.x);
            EXPECT_LE(middle.lower[t].y, point.y);
            EXPECT_LE(point.y, middle.upper[t].y);
        }
        const ChartDescription risk = chanceRiskChart(*result);
        const ChartSeries* simulated = named(risk, "Simulated");
        ASSERT_NE(simulated, nullptr);
        ASSERT_EQ(risk.bands.size(), 1u);
        ASSERT_EQ(simulated->points.size(), steps - 1);
        for (std::size_t i = 0; i < simulated->points.size(); ++i) {
            EXPECT_EQ(simulated->points[i].x, static_cast<double>(i + 1));
            // Wilson's bounds at a share of 0 or 1 are that share, to rounding.
            EXPECT_LE(risk.bands[0].lower[i].y, simulated->points[i].y + 1e-12);
            EXPECT_LE(simulated->points[i].y, risk.bands[0].upper[i].y + 1e-12);
        }
        const ChartSeries* exact = named(risk, "Exact");
        EXPECT_EQ(exact != nullptr, c.exact);
        if (exact) {
            EXPECT_TRUE(exact->look.dashed);
            EXPECT_EQ(exact->points.size(), steps - 1);
        }
    }
}

}  // namespace
}  // namespace dalvo
