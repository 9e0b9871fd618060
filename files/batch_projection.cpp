// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/batch_projection.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <span>
#include <string>

#include "model/history.h"
#include "model/leslie_matrix.h"
#include "model/source_text.h"

namespace dalvo {

namespace {

// S(t) and D(t, 0..n) of a step whose numbers are in place, by the run's own
// rule, so a batch step adds up exactly as the window's step does.
void formTotalAndProportions(ProjectedSteps& steps, int t)
{
    const std::size_t first = steps.at(t, 0);
    const StepNumbers formed = stepNumbersOf(
        std::span<const double>(steps.numbers).subspan(first, static_cast<std::size_t>(steps.classes)));
    steps.totals.push_back(formed.total);
    std::copy(formed.proportions.begin(), formed.proportions.end(),
              steps.proportions.begin() + static_cast<std::ptrdiff_t>(first));
}

// The values of step t that its lines show, apart from the growth rate.
bool stepValuesFinite(const ProjectedSteps& steps, int t)
{
    for (int j = 0; j < steps.classes; ++j) {
        if (!std::isfinite(steps.number(t, j)) || !std::isfinite(steps.proportion(t, j)))
            return false;
    }
    return std::isfinite(steps.totals[static_cast<std::size_t>(t)]);
}

Error overflowAt(int t)
{
    return explained(sourceText("dalvo::Error",
                                "At step %1 the numbers grow beyond what can be computed. Choose a "
                                "smaller number of steps T or smaller values."),
                     {std::to_string(t)});
}

Result<void> checkShownSteps(const ProjectedSteps& steps)
{
    for (int t = 0; t <= steps.lastStep; ++t) {
        const std::string step = std::to_string(t);
        const double total = steps.totals[static_cast<std::size_t>(t)];
        if (total == 0) {
            if (t == 0)
                return explained(
                    sourceText("dalvo::Error",
                               "The initial numbers add up to 0, so there is no population to project."));
            return explained(
                sourceText("dalvo::Error",
                           "At step %1 the total S(%1) is 0: the population has died out, so its age "
                           "distribution and growth rate cannot be formed. Choose a number of steps T "
                           "below %1, or change the data."),
                {step});
        }
        if (!stepValuesFinite(steps, t))
            return overflowAt(t);
        // The growth rate looks one step ahead; a total that overflows
        // there belongs to that step.
        if (!std::isfinite(steps.growthRates[static_cast<std::size_t>(t)]))
            return overflowAt(std::isfinite(steps.totals[static_cast<std::size_t>(t) + 1]) ? t : t + 1);
    }
    return {};
}

}  // namespace

Result<ProjectedSteps> projectBatch(const BatchData& data)
{
    const int classes = data.matrix.classes();
    if (classes < 1 || classes > kMaxAgeClasses || data.lastStep > kBatchLastStep ||
        static_cast<int>(data.matrix.survival.size()) != classes - 1 ||
        static_cast<int>(data.initial.size()) != classes)
        return explained(
            sourceText("dalvo::Error",
                       "The data describe a matrix or a number of steps beyond what the projection holds."));

    ProjectedSteps steps;
    steps.classes = classes;
    steps.lastStep = data.lastStep;
    const int heldSteps = (data.lastStep < 0 ? 0 : data.lastStep + 1) + 1;
    const std::size_t values = static_cast<std::size_t>(heldSteps) * static_cast<std::size_t>(classes);
    steps.numbers.resize(values);
    steps.proportions.resize(values);
    steps.totals.reserve(static_cast<std::size_t>(heldSteps));
    steps.growthRates.reserve(static_cast<std::size_t>(heldSteps - 1));

    const std::span<double> all(steps.numbers);
    const auto step = [&](int t) { return all.subspan(steps.at(t, 0), static_cast<std::size_t>(classes)); };
    std::copy(data.initial.begin(), data.initial.end(), step(0).begin());
    formTotalAndProportions(steps, 0);
    for (int t = 1; t < heldSteps; ++t) {
        project(data.matrix, step(t - 1), step(t));
        formTotalAndProportions(steps, t);
        steps.growthRates.push_back(steps.totals[static_cast<std::size_t>(t)] /
                                    steps.totals[static_cast<std::size_t>(t) - 1]);
    }
    if (Result<void> checked = checkShownSteps(steps); !checked)
        return checked.error();
    return steps;
}

}  // namespace dalvo
