// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/stepwise_run.h"

#include <cmath>
#include <string>
#include <utility>

#include "model/number_text.h"
#include "model/source_text.h"

namespace dalvo {

namespace {

Error tooLarge(int step)
{
    return explained(sourceText("dalvo::Error", "The projection to step %1 gives numbers too large to compute. Use "
                                                "\"Change default values\" to enter a matrix and an initial "
                                                "population and start a new run."),
                     {std::to_string(step)});
}

bool hasLeslieShape(const LeslieMatrix& matrix)
{
    const int classes = matrix.classes();
    return classes >= 1 && classes <= kMaxAgeClasses &&
           static_cast<int>(matrix.survival.size()) == classes - 1;
}

}  // namespace

LeslieMatrix defaultMatrix()
{
    return {{0, 1, 2, 1}, {0.5, 1, 0.5}};
}

std::vector<double> defaultInitial()
{
    return {10, 0, 0, 0};
}

StepwiseRun::StepwiseRun() : matrix_(defaultMatrix()), now_(defaultInitial()) {}

const Result<LongTermOutlook>& StepwiseRun::outlook() const
{
    if (!outlook_)
        outlook_.emplace(analyseLongTerm(matrix_));
    return *outlook_;
}

Result<void> StepwiseRun::load()
{
    Result<StepZero> zero = computeStepZero();
    if (!zero)
        return zero.error();
    keepStepZero(*zero);
    actionState_ = ActionState::ReadyToProject;
    graphEnabled_ = false;
    notify();
    return {};
}

Result<StepwiseRun::StepZero> StepwiseRun::computeStepZero() const
{
    const StepNumbers numbers = stepNumbersOf(now_);
    if (!std::isfinite(numbers.total))
        return tooLarge(0);
    if (numbers.total == 0)
        return explained(sourceText("dalvo::Error", "The total population at step 0 is 0, so there is nothing to "
                                                    "project. Use \"Change default values\" to enter a matrix and an "
                                                    "initial population and start a new run."));
    return StepZero{numbers, shownValue(numbers.total)};
}

void StepwiseRun::keepStepZero(const StepZero& zero)
{
    history_.replaceStepZero(zero.numbers);
    nowTotal_ = zero.shownTotal;
    nowStep_ = 0;
}

Result<void> StepwiseRun::project()
{
    if (history_.isFull())
        return explained(sourceText("dalvo::Error", "The run has reached step %1, the last step that is kept. Use "
                                                    "\"Change default values\" to enter a matrix and an initial "
                                                    "population and start a new run."),
                         {std::to_string(kLastStep)});

    // Step 0 is recorded afresh at the start of every run, so that a reset by
    // the default-values editor leaves no stale age distribution behind.
    const bool startsRun = history_.stepCount() == 0;
    std::optional<StepZero> zero;
    if (startsRun) {
        Result<StepZero> computed = computeStepZero();
        if (!computed)
            return computed.error();
        zero = *computed;
    }
    const int t = history_.stepCount() + 1;

    std::vector<double> shown(now_.size());
    dalvo::project(matrix_, now_, shown);
    for (double& value : shown) {
        if (!std::isfinite(value))
            return tooLarge(t);
        // The history keeps what the student sees, not the unrounded product.
        value = shownValue(value);
    }
    StepNumbers numbers = stepNumbersOf(shown);
    if (!std::isfinite(numbers.total))
        return tooLarge(t);
    if (numbers.total == 0)
        return explained(sourceText("dalvo::Error", "The total population at step %1 would be 0: the population dies "
                                                    "out, and its age distribution cannot be computed. Use \"Change "
                                                    "default values\" to enter a matrix and an initial population and "
                                                    "start a new run."),
                         {std::to_string(t)});

    const double previousTotal = startsRun ? zero->numbers.total : history_.step(t - 1).total;
    const double change = numbers.total - previousTotal;
    const float growth = static_cast<float>(numbers.total / previousTotal);
    if (!std::isfinite(change) || !std::isfinite(growth))
        return tooLarge(t);

    // The growth rate shown is the quotient of the two totals as shown.
    const double shownNowTotal = startsRun ? zero->shownTotal : nowTotal_.value_or(previousTotal);
    const double shownNextTotal = shownValue(numbers.total);
    const double shownGrowth = shownNextTotal / shownNowTotal;
    if (!std::isfinite(shownGrowth))
        return tooLarge(t);

    // Everything is known; from here on nothing can fail.
    if (startsRun)
        keepStepZero(*zero);
    history_.append(std::move(numbers), change, growth);
    next_ = std::move(shown);
    nextTotal_ = shownNextTotal;
    growthRate_ = shownGrowth;
    nextStep_ = t;
    if (t > 3)
        graphEnabled_ = true;
    actionState_ = ActionState::ReadyToTransit;
    notify();
    return {};
}

void StepwiseRun::transit()
{
    if (next_)
        now_ = std::move(*next_);
    nowTotal_ = nextTotal_;
    clearNext();
    nowStep_ = history_.stepCount();
    actionState_ = ActionState::ReadyToProject;
    notify();
}

void StepwiseRun::clearNext()
{
    next_.reset();
    nextTotal_.reset();
    growthRate_.reset();
    nextStep_.reset();
}

void StepwiseRun::newMatrix(const LeslieMatrix& matrix)
{
    matrix_ = matrix;
    outlook_.reset();
    ++matrixGeneration_;
}

Result<void> StepwiseRun::setMatrix(const LeslieMatrix& matrix)
{
    if (matrix == matrix_)
        return {};
    if (!hasLeslieShape(matrix) || matrix.classes() != classes())
        return explained(
            sourceText("dalvo::Error", "A run keeps its number of age classes; start a new run for another."));
    newMatrix(matrix);
    next_.reset();
    nextTotal_.reset();
    growthRate_.reset();
    actionState_ = ActionState::ReadyToProject;
    notify();
    return {};
}

Result<void> StepwiseRun::startNewRun(const LeslieMatrix& matrix, const std::vector<double>& initial)
{
    if (!hasLeslieShape(matrix) || static_cast<int>(initial.size()) != matrix.classes())
        return explained(sourceText(
            "dalvo::Error", "A run needs a matrix of 1 to 101 age classes and an initial population of as many."));
    StepNumbers zero = stepNumbersOf(initial);
    if (!std::isfinite(zero.total))
        return explained(sourceText(
            "dalvo::Error", "The initial population is too large to add up. Enter smaller numbers and try again."));

    if (matrix != matrix_)
        newMatrix(matrix);
    now_ = initial;
    clearNext();
    // The tables, the charts and the saved run read step 0's age distribution
    // before the first projection records step 0 again, so the previous
    // run's must not stay behind. With no individuals every class holds 0.
    nowTotal_ = shownValue(zero.total);
    history_.restart(std::move(zero));
    nowStep_ = 0;
    actionState_ = ActionState::ReadyToProject;
    graphEnabled_ = false;
    notify();
    return {};
}

StepwiseRun::Subscription StepwiseRun::subscribe(Listener listener) const
{
    const int id = listeners_->nextId++;
    listeners_->entries.emplace_back(id, std::move(listener));
    return Subscription(listeners_, id);
}

// By index, so that a listener may end a subscription (its own or another's)
// while the run is telling them.
void StepwiseRun::notify() const
{
    const std::vector<std::pair<int, Listener>>& entries = listeners_->entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int id = entries[i].first;
        entries[i].second(*this);
        if (i < entries.size() && entries[i].first != id)
            --i;
    }
}

StepwiseRun::Subscription& StepwiseRun::Subscription::operator=(Subscription&& other) noexcept
{
    if (this != &other) {
        end();
        listeners_ = std::move(other.listeners_);
        id_ = std::exchange(other.id_, -1);
    }
    return *this;
}

void StepwiseRun::Subscription::end()
{
    if (const std::shared_ptr<Listeners> listeners = listeners_.lock())
        std::erase_if(listeners->entries, [this](const auto& entry) { return entry.first == id_; });
    listeners_.reset();
    id_ = -1;
}

}  // namespace dalvo
