// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "tests/app/history_consistency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

#include "model/stepwise_run.h"
#include "support/default_run.h"
#include "support/history_rows.h"

namespace dalvo::testing_walk {
namespace {

// A run of the default matrix made by the model itself: five steps.
std::unique_ptr<History> projectedRun()
{
    return defaultRunHistory(5);
}

TEST(HistoryConsistencyTest, ARunOfTheModelHoldsTogether)
{
    EXPECT_EQ(historyInconsistency(*projectedRun()), "");
}

// The walk trusts this check to see a broken history, so each kind of damage
// must be named.
TEST(HistoryConsistencyTest, NamesEachKindOfDamage)
{
    struct Case {
        const char* name;
        std::function<void(HistoryRows&)> damage;
        const char* named;
    };
    const std::vector<Case> cases = {
        {"total off by a part in a million", [](HistoryRows& h) { h.steps[3].total *= 1.000001; }, "NTotal"},
        {"a number that is not finite",
         [](HistoryRows& h) { h.steps[4].counts[2] = std::numeric_limits<double>::infinity(); }, "not finite"},
        {"stale proportions at step 0", [](HistoryRows& h) { h.steps[0].proportions[0] = 0.25; }, "AgeProp"},
        {"a proportion off by a millionth", [](HistoryRows& h) { h.steps[5].proportions[1] += 1e-6; }, "AgeProp"},
        {"a change from another run", [](HistoryRows& h) { h.changes[2] += 1; }, "DeltaN"},
        {"a growth rate off by one float step",
         [](HistoryRows& h) { h.growthRates[4] = std::nextafter(h.growthRates[4], 10.0f); }, "GrowthRate"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HistoryRows rows = HistoryRows::of(*projectedRun());
        c.damage(rows);
        const std::unique_ptr<History> history = rows.build();
        EXPECT_NE(historyInconsistency(*history).find(c.named), std::string::npos)
            << historyInconsistency(*history);
    }
}

}  // namespace
}  // namespace dalvo::testing_walk
