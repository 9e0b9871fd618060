// A history as plain rows that a test may change at will, then built back: for values no run would record.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <memory>
#include <vector>

#include "model/history.h"

namespace dalvo {

struct HistoryRows {
    std::vector<StepNumbers> steps{StepNumbers{}};
    std::vector<double> changes;
    std::vector<float> growthRates;

    static HistoryRows of(const History& history)
    {
        HistoryRows rows;
        rows.steps.clear();
        for (int t = 0; t <= history.stepCount(); ++t)
            rows.steps.push_back(history.step(t));
        for (int k = 0; k < history.stepCount(); ++k) {
            rows.changes.push_back(history.change(k));
            rows.growthRates.push_back(history.growthRate(k));
        }
        return rows;
    }

    // Steps 0..steps.size() - 1, with as many changes and growth rates as
    // there are steps after the first (missing ones are 0).
    std::unique_ptr<History> build() const
    {
        auto history = std::make_unique<History>();
        history->restart(steps.front());
        for (std::size_t t = 1; t < steps.size(); ++t)
            history->append(steps[t], t - 1 < changes.size() ? changes[t - 1] : 0,
                            t - 1 < growthRates.size() ? growthRates[t - 1] : 0);
        return history;
    }
};

}  // namespace dalvo
