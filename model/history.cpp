// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/history.h"

#include <utility>

namespace dalvo {

StepNumbers stepNumbersOf(std::span<const double> counts)
{
    StepNumbers step;
    step.counts.assign(counts.begin(), counts.end());
    for (double count : counts)
        step.total += count;
    step.proportions.resize(counts.size());
    for (std::size_t age = 0; age < counts.size(); ++age)
        step.proportions[age] = step.total == 0 ? 0 : counts[age] / step.total;
    return step;
}

History::History()
{
    steps_.reserve(kLastStep + 1);
    changes_.reserve(kLastStep);
    growthRates_.reserve(kLastStep);
    steps_.emplace_back();
}

void History::restart(StepNumbers stepZero)
{
    steps_.clear();
    steps_.push_back(std::move(stepZero));
    changes_.clear();
    growthRates_.clear();
}

void History::replaceStepZero(StepNumbers stepZero)
{
    steps_.front() = std::move(stepZero);
}

bool History::append(StepNumbers next, double change, float growthRate)
{
    if (isFull())
        return false;
    steps_.push_back(std::move(next));
    changes_.push_back(change);
    growthRates_.push_back(growthRate);
    return true;
}

}  // namespace dalvo
