// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/history.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace dalvo {
namespace {

StepNumbers stepOf(double count)
{
    return stepNumbersOf({count, 0, 0, 0});
}

TEST(HistoryTest, HoldsStepsZeroToTheLastAndRefusesMore)
{
    History history;
    history.restart(stepOf(10));
    for (int t = 1; t <= kLastStep; ++t)
        ASSERT_TRUE(history.append(stepOf(t), 1, 1.5f)) << t;
    EXPECT_TRUE(history.isFull());
    EXPECT_FALSE(history.append(stepOf(1), 1, 1.5f));
    EXPECT_EQ(history.stepCount(), kLastStep);
    EXPECT_EQ(history.step(kLastStep).total, kLastStep);
    EXPECT_THROW(history.step(kLastStep + 1), std::out_of_range);
    EXPECT_THROW(history.growthRate(kLastStep), std::out_of_range);
}

TEST(HistoryTest, ANewRunLeavesNothingOfTheLastOneToRead)
{
    History history;
    history.restart(stepOf(10));
    history.append(stepOf(5), -5, 0.5f);
    history.append(stepOf(8), 3, 1.6f);
    history.restart(stepOf(20));
    EXPECT_EQ(history.stepCount(), 0);
    EXPECT_EQ(history.step(0).total, 20);
    EXPECT_THROW(history.step(1), std::out_of_range);
    EXPECT_THROW(history.change(0), std::out_of_range);
}

TEST(HistoryTest, SharesAddUpFromAgeZeroAndAreZeroWithoutIndividuals)
{
    const StepNumbers some = stepNumbersOf({1, 2, 3, 4});
    EXPECT_EQ(some.total, 10);
    EXPECT_EQ(some.proportions[2], 0.3);
    const StepNumbers none = stepNumbersOf({0, 0, 0, 0});
    EXPECT_EQ(none.total, 0);
    for (double share : none.proportions)
        EXPECT_EQ(share, 0);
}

}  // namespace
}  // namespace dalvo
