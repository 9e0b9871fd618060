#include "model/history.h"

namespace dalvo {

StepNumbers stepNumbersOf(const std::array<double, kAgeClasses>& counts)
{
    StepNumbers step;
    step.counts = counts;
    for (double count : counts)
        step.total += count;
    for (int age = 0; age < kAgeClasses; ++age)
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

void History::restart(const StepNumbers& stepZero)
{
    steps_.assign(1, stepZero);
    changes_.clear();
    growthRates_.clear();
}

void History::replaceStepZero(const StepNumbers& stepZero)
{
    steps_.front() = stepZero;
}

bool History::append(const StepNumbers& next, double change, float growthRate)
{
    if (isFull())
        return false;
    steps_.push_back(next);
    changes_.push_back(change);
    growthRates_.push_back(growthRate);
    return true;
}

}  // namespace dalvo
