// The run most tests start from: the program's default matrix and N(0) = 10, 0, 0, 0, stepped as the student steps it.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <utility>

#include "model/history.h"
#include "model/long_term_outlook.h"
#include "model/number_text.h"
#include "model/stepwise_run.h"

namespace dalvo {

// The totals of steps 0..4, worked out by hand from F = (0, 1, 2, 1) and
// P = (0.5, 1, 0.5): N(1) = (0, 5, 0, 0), N(2) = (5, 0, 5, 0),
// N(3) = (10, 2.5, 0, 2.5), N(4) = (5, 5, 2.5, 0).
inline constexpr std::array<double, 5> kDefaultRunTotals{10, 5, 10, 15, 12.5};

// A run loaded as the main window loads it, with the locale a window would
// show it in; each projection is Project, then Transit.
struct DefaultRun {
    std::unique_ptr<StepwiseRun> owned = std::make_unique<StepwiseRun>();
    StepwiseRun& model = *owned;
    const History* history = &owned->history();
    NumberLocale locale;

    explicit DefaultRun(int projections = 0, NumberLocale numbers = {}) : locale(std::move(numbers))
    {
        EXPECT_TRUE(model.load().ok());
        project(projections);
    }
    explicit DefaultRun(NumberLocale locale) : DefaultRun(0, std::move(locale)) {}

    void project(int count)
    {
        for (int k = 0; k < count; ++k) {
            const Result<void> step = model.project();
            ASSERT_TRUE(step.ok()) << "step " << k + 1 << ": " << step.error().message;
            model.transit();
        }
    }
    void step() { project(1); }
};

// The history of `projections` steps of the default run, on its own.
inline std::unique_ptr<History> defaultRunHistory(int projections)
{
    DefaultRun run(projections);
    return std::make_unique<History>(run.model.history());
}

// An outlook that settles on `lambda`, with a stable distribution whose
// four shares tell the ages apart: for the charts' guide lines.
inline LongTermOutlook outlookWithLambda(double lambda)
{
    LongTermOutlook outlook;
    outlook.classes = 4;
    outlook.lambda = lambda;
    outlook.period = 1;
    outlook.stableDistribution = {0.4, 0.3, 0.2, 0.1};
    return outlook;
}

}  // namespace dalvo
