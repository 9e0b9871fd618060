// One batch run's projected steps: the numbers of every age class, their totals, growth rates and proportions.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <cstddef>
#include <vector>

#include "files/batch_reader.h"
#include "model/result.h"

namespace dalvo {

// Steps 0..T + 1 are held, one more than the result files show, so that the
// growth rate G(T) exists; a negative T holds step 0 alone. Per step and
// class values lie step after step, class after class.
struct ProjectedSteps {
    int classes = 0;
    int lastStep = -1;                // T: the last step the result files show
    std::vector<double> numbers;      // X(t, j)
    std::vector<double> totals;       // S(t)
    std::vector<double> growthRates;  // G(t) = S(t + 1) / S(t), steps 0..T
    std::vector<double> proportions;  // D(t, j) = X(t, j) / S(t)

    double number(int t, int j) const { return numbers[at(t, j)]; }
    double proportion(int t, int j) const { return proportions[at(t, j)]; }
    std::size_t at(int t, int j) const
    {
        return static_cast<std::size_t>(t) * static_cast<std::size_t>(classes) + static_cast<std::size_t>(j);
    }
};

// Projects the data's matrix with `project` from X(0). Fails, naming the
// step, when a total of a shown step is 0 or a value to be shown is not
// finite; a negative T projects nothing and cannot fail.
Result<ProjectedSteps> projectBatch(const BatchData& data);

}  // namespace dalvo
