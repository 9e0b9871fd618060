// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "presentation/history_table_text.h"

#include <string_view>

namespace dalvo {

namespace {

// Numbers and totals are read to the hundredth; shares and growth rates need
// four places before the stable distribution shows.
constexpr int kNumberDecimals = 2;
constexpr int kProportionDecimals = 4;
constexpr int kGrowthRateDecimals = 4;

// The growth rate of the last step leads to a step that does not exist yet.
constexpr std::string_view kNoGrowthRate = "-";

std::string rounded(double value, int decimals, const NumberLocale& locale)
{
    return formatGeneral(roundToDecimals(value, decimals), locale);
}

}  // namespace

std::string historyTableText(const History& history, AgeColumns ages, int t, int column,
                             const NumberLocale& locale)
{
    if (t < 0 || t > history.stepCount() || column < 0 || column >= kTableColumns)
        return {};
    if (column == kStepColumn)
        return formatGeneral(t, locale);

    const StepNumbers& step = history.step(t);
    if (column < kTotalColumn) {
        const auto age = static_cast<std::size_t>(column - 1);
        if (age >= step.counts.size())
            return {};
        return ages == AgeColumns::Numbers ? rounded(step.counts[age], kNumberDecimals, locale)
                                           : rounded(step.proportions[age], kProportionDecimals, locale);
    }
    if (column == kTotalColumn)
        return rounded(step.total, kNumberDecimals, locale);
    if (t == history.stepCount())
        return std::string(kNoGrowthRate);
    // The rate is rounded at its stored single precision, not from a longer
    // decimal form of it.
    return rounded(static_cast<double>(history.growthRate(t)), kGrowthRateDecimals, locale);
}

}  // namespace dalvo
