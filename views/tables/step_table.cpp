#include "views/tables/step_table.h"

#include <algorithm>

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

StepTable::StepTable(const History& history, AgeColumns ages) : ages_(ages)
{
    const int last = history.stepCount();
    steps_.resize(static_cast<std::size_t>(last) + 1);
    for (int t = 0; t <= last; ++t) {
        Step& step = steps_[static_cast<std::size_t>(t)];
        const StepNumbers& recorded = history.step(t);
        step.ages = ages == AgeColumns::Numbers ? recorded.counts : recorded.proportions;
        step.total = recorded.total;
        step.growthRate = t < last ? history.growthRate(t) : 0.0f;
    }
}

std::string StepTable::text(int row, int col, const NumberLocale& locale) const
{
    if (row < 0 || row >= Rows() || col < 0 || col >= kCols)
        return {};
    if (row == 0)
        return std::string(kHeaders[static_cast<std::size_t>(col)]);

    const int t = row - 1;
    const Step& step = steps_[static_cast<std::size_t>(t)];
    if (col == 0)
        return formatGeneral(t, locale);
    if (col <= kAgeClasses) {
        const int decimals = ages_ == AgeColumns::Numbers ? kNumberDecimals : kProportionDecimals;
        return rounded(step.ages[static_cast<std::size_t>(col - 1)], decimals, locale);
    }
    if (col == kAgeClasses + 1)
        return rounded(step.total, kNumberDecimals, locale);
    if (row == Rows() - 1)
        return std::string(kNoGrowthRate);
    return rounded(static_cast<double>(step.growthRate), kGrowthRateDecimals, locale);
}

}  // namespace dalvo
