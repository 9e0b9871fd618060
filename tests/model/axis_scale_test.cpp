// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/axis_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace dalvo {
namespace {

TEST(AxisScaleTest, RoundRangesAroundTheData)
{
    struct Case {
        const char* name;
        double low, high;
        double minimum, maximum, step;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"steps 0 to 4", 0, 4, 0, 4, 1},
        {"population 5 to 15", 5, 15, 4, 16, 2},
        {"a thousand steps", 0, 1000, 0, 1000, 200},
        {"changes either side of zero", -5, 5, -6, 6, 2},
        {"proportions", 0, 1, 0, 1, 0.2},
        {"growth rates", 0.5, 2, 0.5, 2, 0.5},
        {"a single zero", 0, 0, -0.6, 0.6, 0.2},
        {"a single ten", 10, 10, 9, 11, 0.5},
        {"large numbers", 1.2e20, 9.7e20, 0, 1e21, 2e20},
        {"no values", 1, 0, 0, 1, 0.2},
        {"not a number", nan, 3, 0, 1, 0.2},
        {"infinite", 0, inf, 0, 1, 0.2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AxisScale scale = niceScale(c.low, c.high);
        EXPECT_DOUBLE_EQ(scale.minimum, c.minimum);
        EXPECT_DOUBLE_EQ(scale.maximum, c.maximum);
        EXPECT_DOUBLE_EQ(scale.step, c.step);
    }
}

TEST(AxisScaleTest, AnAxisThatCountsHasWholeTicksOnly)
{
    struct Case {
        const char* name;
        double low, high;
        double minimum, maximum, step;
    };
    const Case cases[] = {
        {"four rates, steps 0 to 3", 0, 3, 0, 3, 1},
        {"two steps", 0, 1, 0, 1, 1},
        {"a single step at zero", 0, 0, -1, 1, 1},
        {"a single step at ten", 10, 10, 9, 11, 1},
        {"no step at all", 1, 0, 0, 1, 1},
        {"fractions between steps", 0.25, 2.5, 0, 3, 1},
        {"steps 0 to 4 as before", 0, 4, 0, 4, 1},
        {"a thousand steps as before", 0, 1000, 0, 1000, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AxisScale scale = niceScale(c.low, c.high, TickValues::Whole);
        EXPECT_DOUBLE_EQ(scale.minimum, c.minimum);
        EXPECT_DOUBLE_EQ(scale.maximum, c.maximum);
        EXPECT_DOUBLE_EQ(scale.step, c.step);
    }
    for (double high : {1.0, 2.0, 3.0, 5.0, 7.0, 12.0, 30.0, 99.0}) {
        SCOPED_TRACE(high);
        ValueSpan span;
        span.add(0);
        span.add(high);
        for (double tick : span.scale(TickValues::Whole).ticks())
            EXPECT_EQ(tick, std::round(tick));
    }
}

TEST(AxisScaleTest, AnySpanGetsThreeToEightStepsThatHoldIt)
{
    for (double low : {-7.3e6, -12.0, -0.004, 0.0, 0.37, 3.0, 980.0}) {
        for (double width : {1e-6, 0.013, 0.9, 1.0, 7.77, 123.0, 4.5e9}) {
            SCOPED_TRACE(testing::Message() << low << " + " << width);
            const double high = low + width;
            const AxisScale scale = niceScale(low, high);
            const std::vector<double> ticks = scale.ticks();
            EXPECT_LE(scale.minimum, low);
            EXPECT_GE(scale.maximum, high);
            EXPECT_GE(ticks.size(), 4u);
            EXPECT_LE(ticks.size(), 9u);
            EXPECT_EQ(ticks.front(), scale.minimum);
            EXPECT_EQ(ticks.back(), scale.maximum);
        }
    }
}

TEST(AxisScaleTest, HugeValuesWithATinySpanStillGetAFewTicks)
{
    for (double value : {1e15, 3.3e22, 1e100, 1e300}) {
        SCOPED_TRACE(value);
        const AxisScale scale = niceScale(value, value * (1 + 4e-15));
        EXPECT_TRUE(std::isfinite(scale.minimum));
        EXPECT_LT(scale.minimum, scale.maximum);
        EXPECT_GE(scale.ticks().size(), 2u);
        EXPECT_LE(scale.ticks().size(), 12u);
    }
}

TEST(AxisScaleTest, TicksAreWholeStepsWithAnExactZero)
{
    const std::vector<double> ticks = niceScale(-0.3, 0.5).ticks();
    const std::vector<double> expected = {-0.4, -0.2, 0.0, 0.2, 0.4, 0.6};
    ASSERT_EQ(ticks.size(), expected.size());
    for (std::size_t i = 0; i < ticks.size(); ++i)
        EXPECT_NEAR(ticks[i], expected[i], 1e-12) << i;
    EXPECT_EQ(ticks[2], 0.0);
}

TEST(AxisScaleTest, ValueSpanSkipsWhatCannotBePlotted)
{
    ValueSpan span;
    EXPECT_TRUE(span.empty());
    for (double value :
         {3.0, std::numeric_limits<double>::infinity(), -2.0, std::numeric_limits<double>::quiet_NaN(), 7.5})
        span.add(value);
    EXPECT_FALSE(span.empty());
    EXPECT_EQ(span.low(), -2.0);
    EXPECT_EQ(span.high(), 7.5);
}

TEST(AxisScaleTest, LogarithmicRangesRunFromPowerToPowerOfTen)
{
    struct Case {
        const char* name;
        double low, high;
        std::vector<double> ticks;
    };
    const Case cases[] = {
        {"within one decade", 2.0, 7.0, {1, 10}},
        {"a power of ten is its own end", 10.0, 1000.0, {10, 100, 1000}},
        {"across decades", 0.05, 12.5, {0.01, 0.1, 1, 10, 100}},
        {"a single value", 5.0, 5.0, {1, 10}},
        {"a single power of ten", 100.0, 100.0, {100, 1000}},
        {"many decades take every second one", 1.0, 1e12, {1, 1e2, 1e4, 1e6, 1e8, 1e10, 1e12}},
        {"eight decades still one apart", 1.0, 1e8, {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8}},
        {"zero cannot be placed", 0.0, 5.0, {1, 10}},
        {"nothing at all", 1.0, 0.0, {1, 10}},
        {"not finite", 1.0, std::numeric_limits<double>::infinity(), {1, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AxisScale scale = logScale(c.low, c.high);
        EXPECT_TRUE(scale.logarithmic);
        const std::vector<double> ticks = scale.ticks();
        ASSERT_EQ(ticks.size(), c.ticks.size());
        for (std::size_t i = 0; i < ticks.size(); ++i)
            EXPECT_DOUBLE_EQ(ticks[i], c.ticks[i]) << i;
        EXPECT_EQ(scale.minimum, ticks.front());
        EXPECT_EQ(scale.maximum, ticks.back());
    }
}

// Ticks below one, at one and above it all read as ten to a power.
TEST(AxisScaleTest, LogarithmicTicksAreAllWrittenAsPowersOfTen)
{
    EXPECT_EQ(logScale(3e-12, 12.5).tickLabels(NumberLocale{}),
              (std::vector<std::string>{"10⁻¹²", "10⁻¹⁰", "10⁻⁸", "10⁻⁶", "10⁻⁴", "10⁻²", "10⁰", "10²"}));
}

TEST(AxisScaleTest, ExtremeValuesKeepALogarithmicRangeInsideTheDoubles)
{
    const AxisScale scale = logScale(std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max());
    EXPECT_GT(scale.minimum, 0.0);
    EXPECT_TRUE(std::isfinite(scale.maximum));
    EXPECT_LE(scale.ticks().size(), 10u);
    for (double tick : scale.ticks())
        EXPECT_TRUE(std::isfinite(scale.position(tick))) << tick;
}

TEST(AxisScaleTest, PositionsAlongTheAxis)
{
    const AxisScale linear = niceScale(0.0, 10.0);
    EXPECT_EQ(linear.position(2.5), 2.5);
    const AxisScale logarithmic = logScale(1.0, 1000.0);
    EXPECT_DOUBLE_EQ(logarithmic.position(100.0), 2.0);
    EXPECT_DOUBLE_EQ(logarithmic.position(0.01), -2.0);
}

}  // namespace
}  // namespace dalvo
