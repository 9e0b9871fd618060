#include "model/main_form_model.h"

#include <cmath>
#include <string>
#include <utility>

namespace dalvo {

namespace {

const char* const kNewRunHint =
    "Use \"Change default values\" to enter a matrix and an initial population and start a new run.";

Error tooLarge(int step)
{
    return Error{"The projection to step " + std::to_string(step) + " gives numbers too large to compute. " +
                 kNewRunHint};
}

}  // namespace

LeslieMatrix defaultMatrix()
{
    return {{0, 1, 2, 1}, {0.5, 1, 0.5}};
}

double matrixCell(const LeslieMatrix& matrix, int row, int column)
{
    if (row == 0)
        return matrix.fecundity.at(column);
    return row == column + 1 ? matrix.survival.at(column) : 0.0;
}

bool setMatrixCell(LeslieMatrix& matrix, int row, int column, double value)
{
    if (row == 0 && column >= 0 && column < matrix.classes())
        matrix.fecundity[column] = value;
    else if (row == column + 1 && column >= 0 && column < static_cast<int>(matrix.survival.size()))
        matrix.survival[column] = value;
    else
        return false;
    return true;
}

MainFormModel::MainFormModel(History& history, NumberLocale locale)
    : history_(history), locale_(std::move(locale)), matrix_(defaultMatrix())
{
}

Result<void> MainFormModel::load()
{
    actionState_ = ActionState::ReadyToProject;
    graphEnabled_ = false;
    return recordStepZero();
}

Result<MainFormModel::StepZero> MainFormModel::computeStepZero() const
{
    const StepNumbers numbers = stepNumbersOf(now_);
    if (!std::isfinite(numbers.total))
        return tooLarge(0);
    if (numbers.total == 0)
        return Error{"The total population at step 0 is 0, so there is nothing to project. " +
                     std::string(kNewRunHint)};
    return StepZero{numbers, shownValue(numbers.total)};
}

void MainFormModel::keepStepZero(const StepZero& zero)
{
    history_.replaceStepZero(zero.numbers);
    nowTotal_ = zero.shownTotal;
    nowStep_ = 0;
}

Result<void> MainFormModel::recordStepZero()
{
    Result<StepZero> zero = computeStepZero();
    if (!zero)
        return zero.error();
    keepStepZero(*zero);
    return {};
}

Result<void> MainFormModel::projectOnce()
{
    if (history_.isFull())
        return Error{"The run has reached step " + std::to_string(kLastStep) +
                     ", the last step that is kept. " + kNewRunHint};

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

    AgeVector product{};
    project(matrix_, now_, product);
    AgeVector shown{};
    for (int age = 0; age < kAgeClasses; ++age) {
        if (!std::isfinite(product[age]))
            return tooLarge(t);
        // The history keeps what the student sees, not the unrounded product.
        shown[age] = shownValue(product[age]);
    }
    const StepNumbers numbers = stepNumbersOf(shown);
    if (!std::isfinite(numbers.total))
        return tooLarge(t);
    if (numbers.total == 0)
        return Error{"The total population at step " + std::to_string(t) +
                     " would be 0: the population dies out, and its age distribution cannot be "
                     "computed. " +
                     kNewRunHint};

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
    history_.append(numbers, change, growth);
    next_ = shown;
    nextTotal_ = shownNextTotal;
    growthRate_ = shownGrowth;
    nextStep_ = t;
    if (t > 3)
        graphEnabled_ = true;
    actionState_ = ActionState::ReadyToTransit;
    return {};
}

void MainFormModel::transit()
{
    if (next_)
        now_ = *next_;
    nowTotal_ = nextTotal_;
    clearNext();
    nowStep_ = history_.stepCount();
    actionState_ = ActionState::ReadyToProject;
}

void MainFormModel::clearNext()
{
    next_.reset();
    nextTotal_.reset();
    growthRate_.reset();
    nextStep_.reset();
}

void MainFormModel::setMatrix(const LeslieMatrix& matrix)
{
    if (matrix == matrix_)
        return;
    matrix_ = matrix;
    next_.reset();
    nextTotal_.reset();
    growthRate_.reset();
    actionState_ = ActionState::ReadyToProject;
}

Result<void> MainFormModel::startNewRun(const LeslieMatrix& matrix, const AgeVector& initial)
{
    if (matrix.classes() != kAgeClasses || static_cast<int>(matrix.survival.size()) != kAgeClasses - 1)
        return Error{"The main window projects a matrix of four age classes only."};
    const StepNumbers zero = stepNumbersOf(initial);
    if (!std::isfinite(zero.total))
        return Error{"The initial population is too large to add up. Enter smaller numbers and try again."};

    matrix_ = matrix;
    now_ = initial;
    clearNext();
    // The tables, the charts and the export read step 0's age distribution
    // before the first projection records step 0 again, so the previous
    // run's must not stay behind. With no individuals every class holds 0.
    history_.restart(zero);
    nowTotal_ = shownValue(zero.total);
    nowStep_ = 0;
    actionState_ = ActionState::ReadyToProject;
    graphEnabled_ = false;
    return {};
}

}  // namespace dalvo
