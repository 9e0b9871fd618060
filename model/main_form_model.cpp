#include "model/main_form_model.h"

#include <cmath>
#include <string>
#include <utility>

namespace dalvo {

namespace {

const char* const kNewRunHint =
    "Use \"Change default values\" to enter a matrix and an initial population and start a new run.";

std::string matrixCellName(int index)
{
    return "the matrix cell in row " + std::to_string(index / 4 + 1) + ", column " +
           std::to_string(index % 4 + 1);
}

std::string ageClassName(int age)
{
    return "N(t) of age class " + std::to_string(age);
}

Error tooLarge(int step)
{
    return Error{"The projection to step " + std::to_string(step) + " gives numbers too large to compute. " +
                 kNewRunHint};
}

}  // namespace

MainFormModel::MainFormModel(History& history, NumberLocale locale)
    : history_(history), locale_(std::move(locale))
{
    // The design-time texts are written with a period; shown in the regional
    // form they read back as the same numbers ("0.5" is not 5 under a comma).
    const NumberLocale design;
    for (std::string& cell : fields_.m)
        cell = show(*parseNumber(cell, design));
    for (std::string& cell : fields_.n1)
        cell = show(*parseNumber(cell, design));
}

Result<void> MainFormModel::load()
{
    actionState_ = ActionState::ReadyToProject;
    graphEnabled_ = false;
    return InitialCal();
}

Result<double> MainFormModel::readField(const std::string& text, const std::string& what) const
{
    Result<double> value = parseNumber(text, locale_);
    if (!value)
        return Error{"The projection stopped: " + what + " shows \"" + text + "\", which is not a number. " +
                     kNewRunHint};
    return value;
}

Result<MainFormModel::StepZero> MainFormModel::computeStepZero() const
{
    StepZero zero{};
    double sum = 0;
    for (int i = 0; i < kAgeClasses; ++i) {
        Result<double> n = readField(fields_.n1[i], ageClassName(i));
        if (!n)
            return n.error();
        zero.nAge[i] = *n;
        sum += *n;
    }
    if (!std::isfinite(sum))
        return tooLarge(0);
    if (sum == 0)
        return Error{"The total population at step 0 is 0, so there is nothing to project. " +
                     std::string(kNewRunHint)};
    zero.total = sum;
    zero.total1 = show(sum);
    return zero;
}

void MainFormModel::recordStepZero(const StepZero& zero)
{
    history_.replaceStepZero(stepNumbersOf(zero.nAge));
    fields_.total1 = zero.total1;
    fields_.txtSimu0 = "0";
}

Result<void> MainFormModel::InitialCal()
{
    Result<StepZero> zero = computeStepZero();
    if (!zero)
        return zero.error();
    recordStepZero(*zero);
    return {};
}

Result<void> MainFormModel::Projection()
{
    if (history_.isFull())
        return Error{"The run has reached step " + std::to_string(kLastStep) +
                     ", the last step that is kept. " + kNewRunHint};

    // Step 0 is recorded afresh at the start of every run, so that a reset by
    // the default-values editor leaves no stale age distribution behind.
    const bool startsRun = history_.stepCount() == 0;
    StepZero zero{};
    if (startsRun) {
        Result<StepZero> computed = computeStepZero();
        if (!computed)
            return computed.error();
        zero = *computed;
    }
    const int t = history_.stepCount() + 1;

    double cell[16];
    for (int k = 0; k < 16; ++k) {
        Result<double> value = readField(fields_.m[k], matrixCellName(k));
        if (!value)
            return value.error();
        cell[k] = *value;
    }
    double n[kAgeClasses];
    for (int c = 0; c < kAgeClasses; ++c) {
        Result<double> value = readField(fields_.n1[c], ageClassName(c));
        if (!value)
            return value.error();
        n[c] = *value;
    }

    std::array<std::string, 4> n2;
    std::array<double, kAgeClasses> nAge{};
    double sum = 0;
    for (int r = 0; r < kAgeClasses; ++r) {
        double s = 0;
        for (int c = 0; c < kAgeClasses; ++c)
            s += cell[4 * r + c] * n[c];
        if (!std::isfinite(s))
            return tooLarge(t);
        n2[r] = show(s);
        // The history keeps what the student sees, not the unrounded product.
        Result<double> shown = parseNumber(n2[r], locale_);
        if (!shown)
            return tooLarge(t);
        nAge[r] = *shown;
        sum += nAge[r];
    }
    if (!std::isfinite(sum))
        return tooLarge(t);
    if (sum == 0)
        return Error{"The total population at step " + std::to_string(t) +
                     " would be 0: the population dies out, and its age distribution cannot be "
                     "computed. " +
                     kNewRunHint};

    const double previousTotal = startsRun ? zero.total : history_.step(t - 1).total;
    const double deltaN = sum - previousTotal;
    const float growthRate = static_cast<float>(sum / previousTotal);
    if (!std::isfinite(deltaN) || !std::isfinite(growthRate))
        return tooLarge(t);

    const std::string total1 = startsRun ? zero.total1 : fields_.total1;
    const std::string total2 = show(sum);
    Result<double> shownTotal2 = readField(total2, "the total of N(t+1)");
    if (!shownTotal2)
        return shownTotal2.error();
    Result<double> shownTotal1 = readField(total1, "the total of N(t)");
    if (!shownTotal1)
        return shownTotal1.error();
    const double growrate = *shownTotal2 / *shownTotal1;
    if (!std::isfinite(growrate))
        return tooLarge(t);

    // Everything is known; from here on nothing can fail.
    if (startsRun)
        recordStepZero(zero);
    history_.append(stepNumbersOf(nAge), deltaN, growthRate);

    fields_.n2 = n2;
    fields_.total2 = total2;
    fields_.growrate = show(growrate);
    fields_.txtSimuT = std::to_string(t);
    if (t > 3)
        graphEnabled_ = true;
    actionState_ = ActionState::ReadyToTransit;
    return {};
}

void MainFormModel::Transition()
{
    for (int i = 0; i < kAgeClasses; ++i) {
        fields_.n1[i] = fields_.n2[i];
        fields_.n2[i].clear();
    }
    fields_.total1 = fields_.total2;
    fields_.total2.clear();
    fields_.growrate.clear();
    fields_.txtSimu0 = std::to_string(history_.stepCount());
    fields_.txtSimuT.clear();
    actionState_ = ActionState::ReadyToProject;
}

void MainFormModel::setMatrixCell(int index, const std::string& text)
{
    if (index < 0 || index >= 16 || fields_.m[index] == text)
        return;
    fields_.m[index] = text;
    for (std::string& cell : fields_.n2)
        cell.clear();
    fields_.total2.clear();
    fields_.growrate.clear();
    actionState_ = ActionState::ReadyToProject;
}

Result<void> MainFormModel::startNewRun(const std::array<std::string, 16>& matrix,
                                        const std::array<std::string, 4>& initial)
{
    std::array<double, kAgeClasses> nAge{};
    double sum = 0;
    for (int i = 0; i < kAgeClasses; ++i) {
        Result<double> n = parseNumber(initial[i], locale_);
        if (!n)
            return Error{"The initial population of age class " + std::to_string(i) + " is \"" + initial[i] +
                         "\", which is not a number. Enter a number and try again."};
        nAge[i] = *n;
        sum += *n;
    }
    if (!std::isfinite(sum))
        return Error{"The initial population is too large to add up. Enter smaller numbers and try again."};

    for (int i = 0; i < 4; ++i) {
        setMatrixCell(i, matrix[i]);
        fields_.n1[i] = initial[i];
        fields_.n2[i].clear();
    }
    for (int survival : {4, 9, 14})
        setMatrixCell(survival, matrix[survival]);
    fields_.total1.clear();
    fields_.total2.clear();
    fields_.txtSimu0.clear();
    fields_.txtSimuT.clear();
    fields_.growrate.clear();

    // The tables, the charts and the export read step 0's age distribution
    // before the first projection records step 0 again, so the previous
    // run's must not stay behind. With no individuals every class holds 0.
    history_.restart(stepNumbersOf(nAge));
    fields_.total1 = show(sum);

    actionState_ = ActionState::ReadyToProject;
    graphEnabled_ = false;
    fields_.txtSimu0 = "0";
    return {};
}

Result<LeslieMatrix> MainFormModel::matrix() const
{
    constexpr int kSurvivalCells[] = {4, 9, 14};
    LeslieMatrix matrix;
    auto read = [this](int cell) -> Result<double> {
        const std::string& text = fields_.m[cell];
        const Result<double> value = parseNumber(text, locale_);
        if (!value)
            return Error{"Matrix cell m(" + std::to_string(cell) + ") shows \"" + text + "\", which is not a number."};
        return *value;
    };
    for (int cell = 0; cell < kAgeClasses; ++cell) {
        const Result<double> value = read(cell);
        if (!value)
            return value.error();
        matrix.fecundity.push_back(*value);
    }
    for (int cell : kSurvivalCells) {
        const Result<double> value = read(cell);
        if (!value)
            return value.error();
        matrix.survival.push_back(*value);
    }
    return matrix;
}

}  // namespace dalvo
