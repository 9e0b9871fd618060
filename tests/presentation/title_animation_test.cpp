// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "presentation/title_animation.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>


namespace dalvo {
namespace {

TEST(TitleRandomTest, FollowsThePublishedSplitMix64Stream)
{
    // The reference values of SplitMix64 started from state 0.
    TitleRandom random(0);
    EXPECT_EQ(random.nextBits(), 0xE220A8397B1DCDAFu);
    EXPECT_EQ(random.nextBits(), 0x6E789E6AA1B965F4u);
    EXPECT_EQ(random.nextBits(), 0x06C45D188009454Fu);
}

TEST(TitleRandomTest, EveryFreshGeneratorGivesTheSameSequence)
{
    TitleRandom first;
    TitleRandom second;
    TitleRandom seeded(TitleRandom::kFixedSeed);
    TitleRandom other(TitleRandom::kFixedSeed + 1);
    int differences = 0;
    for (int i = 0; i < 10000; ++i) {
        const float value = first.next();
        ASSERT_EQ(value, second.next()) << "draw " << i;
        ASSERT_EQ(value, seeded.next()) << "draw " << i;
        differences += value != other.next();
    }
    // A different state gives a different sequence, so the equality above is
    // not that of a constant.
    EXPECT_GT(differences, 9000);
}

TEST(TitleRandomTest, ValuesAreTheTop24BitsScaledIntoTheUnitInterval)
{
    TitleRandom values;
    TitleRandom bits;
    for (int i = 0; i < 10000; ++i) {
        const float value = values.next();
        const std::uint64_t top = bits.nextBits() >> 40;
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
        ASSERT_EQ(static_cast<double>(value), std::ldexp(static_cast<double>(top), -24)) << "draw " << i;
    }
}

TEST(TitleRandomTest, ValuesSpreadEvenlyOverTenBands)
{
    TitleRandom random;
    constexpr int kDraws = 100000;
    std::array<int, 10> bands{};
    for (int i = 0; i < kDraws; ++i)
        ++bands[static_cast<int>(random.next() * 10.0f)];
    for (int band = 0; band < 10; ++band) {
        EXPECT_GT(bands[band], kDraws / 10 * 95 / 100) << "band " << band;
        EXPECT_LT(bands[band], kDraws / 10 * 105 / 100) << "band " << band;
    }
}

// A float r whose single-precision product r x 7 is exactly target, with the
// double-precision product below, at or above it as asked (0: any).
std::optional<float> factorOf(float target, int doubleSide)
{
    float r = target / 7.0f;
    for (int step = 0; step < 8; ++step)
        r = std::nextafter(r, 0.0f);
    for (int step = 0; step < 17; ++step, r = std::nextafter(r, 1.0f)) {
        if (r * 7.0f != target)
            continue;
        const double exact = static_cast<double>(r) * 7.0;
        const int side = exact < target ? -1 : (exact > target ? 1 : 0);
        if (doubleSide == 0 || side == doubleSide)
            return r;
    }
    return std::nullopt;
}

TEST(WordIndexTest, RoundsTheSingleProductHalfToEven)
{
    struct Case {
        std::string name;
        float target;  // the product r x 7 in single precision; negative: r given below
        int doubleSide;
        float r;
        int expected;
    };
    const std::vector<Case> cases = {
        {"zero", -1, 0, 0.0f, 0},
        {"just below the first half", -1, 0, 0.07f, 0},
        {"half rounds down to 0", 0.5f, 0, 0, 0},
        {"one and a half rounds up to 2", 1.5f, 0, 0, 2},
        {"two and a half rounds down to 2", 2.5f, 0, 0, 2},
        {"three and a half rounds up to 4", 3.5f, 0, 0, 4},
        {"four and a half rounds down to 4", 4.5f, 0, 0, 4},
        {"five and a half rounds up to 6", 5.5f, 0, 0, 6},
        {"six and a half rounds down to 6", 6.5f, 0, 0, 6},
        // Where the exact product lies off the half, only single precision
        // gives the index that the rounding rule asks for.
        {"exact product below 5.5 that single precision makes 5.5", 5.5f, -1, 0, 6},
        {"exact product above 2.5 that single precision makes 2.5", 2.5f, 1, 0, 2},
        {"exact product above 0.5 that single precision makes 0.5", 0.5f, 1, 0, 0},
        {"middle of a band", -1, 0, 3.0f / 7.0f, 3},
        {"largest value below 1", -1, 0, std::nextafter(1.0f, 0.0f), 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        float r = c.r;
        if (c.target >= 0) {
            const std::optional<float> found = factorOf(c.target, c.doubleSide);
            ASSERT_TRUE(found.has_value());
            r = *found;
        }
        EXPECT_EQ(wordIndexFor(r), c.expected) << "r = " << r;
    }
}

TEST(TitleAnimationTest, EachTickHidesTheWordOfTheTickBefore)
{
    TitleAnimation animation;
    TitleRandom twin;
    int previous = 0;  // both indices are 0 before the first tick
    for (int tick = 0; tick < 1000; ++tick) {
        const int expected = wordIndexFor(twin.next());
        const TitleAnimation::Step step = animation.tick();
        ASSERT_EQ(step.hide, previous) << "tick " << tick;
        ASSERT_EQ(step.show, expected) << "tick " << tick;
        ASSERT_EQ(animation.wordIndex, expected) << "tick " << tick;
        ASSERT_EQ(animation.lastWordIndex, expected) << "tick " << tick;
        previous = expected;
    }
}

TEST(TitleAnimationTest, TheEndWordsComeUpHalfAsOftenAsTheOthers)
{
    TitleAnimation animation;
    constexpr int kTicks = 140000;
    std::array<int, kTitleWordCount> shown{};
    for (int tick = 0; tick < kTicks; ++tick) {
        const TitleAnimation::Step step = animation.tick();
        ASSERT_GE(step.show, 0);
        ASSERT_LT(step.show, kTitleWordCount);
        ++shown[step.show];
    }
    const double middle = kTicks / 7.0;
    for (int i = 1; i <= 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(shown[i] / middle, 1.0, 0.03);
    }
    for (int end : {0, 7}) {
        SCOPED_TRACE(end);
        EXPECT_NEAR(shown[end] / middle, 0.5, 0.03);
    }
}

}  // namespace
}  // namespace dalvo
