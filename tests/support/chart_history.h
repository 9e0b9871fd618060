// Histories for the chart tests: a real run of the main window's model, or arrays written directly.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "model/history.h"
#include "model/stepwise_run.h"
#include "support/default_run.h"
#include "support/history_rows.h"

namespace dalvo::testing_charts {

// `projections` steps of the default matrix from N(0) = 10, 0, 0, 0.
inline std::unique_ptr<History> projectedHistory(int projections)
{
    return defaultRunHistory(projections);
}

// Every array entry tells its own indices apart, so a value read from the
// wrong step or class shows.
inline std::unique_ptr<History> writtenHistory(int stepCount)
{
    HistoryRows rows;
    rows.steps.resize(static_cast<std::size_t>(stepCount) + 1);
    for (int t = 0; t <= stepCount; ++t) {
        StepNumbers& step = rows.steps[static_cast<std::size_t>(t)];
        for (int a = 0; a < kAgeClasses; ++a) {
            step.counts[a] = 1000.0 * a + t;
            step.proportions[a] = 0.1 * a + t / 10000.0;
        }
        step.total = 5.0 + t;
        if (t < stepCount) {
            rows.changes.push_back(-0.5 * t);
            rows.growthRates.push_back(1.0f + static_cast<float>(t) / 3.0f);
        }
    }
    return rows.build();
}

}  // namespace dalvo::testing_charts
