#include "tests/app/history_consistency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

#include "model/main_form_model.h"

namespace dalvo::testing_walk {
namespace {

// A run of the default matrix made by the model itself: five steps.
std::unique_ptr<History> projectedRun()
{
    auto history = std::make_unique<History>();
    MainFormModel model(*history, NumberLocale{});
    EXPECT_TRUE(model.load());
    for (int step = 0; step < 5; ++step) {
        EXPECT_TRUE(model.Projection());
        model.Transition();
    }
    return history;
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
        std::function<void(History&)> damage;
        const char* named;
    };
    const std::vector<Case> cases = {
        {"step count past the arrays", [](History& h) { h.StepCount = kLastStep + 1; }, "StepCount"},
        {"negative step count", [](History& h) { h.StepCount = -1; }, "StepCount"},
        {"total off by a part in a million", [](History& h) { h.NTotal[3] *= 1.000001; }, "NTotal"},
        {"a number that is not finite",
         [](History& h) { h.NAge[2][4] = std::numeric_limits<double>::infinity(); }, "not finite"},
        {"stale proportions at step 0", [](History& h) { h.AgeProp[0][0] = 0.25; }, "AgeProp"},
        {"a proportion off by a millionth", [](History& h) { h.AgeProp[1][5] += 1e-6; }, "AgeProp"},
        {"a change from another run", [](History& h) { h.DeltaN[2] += 1; }, "DeltaN"},
        {"a growth rate off by one float step",
         [](History& h) { h.GrowthRate[4] = std::nextafter(h.GrowthRate[4], 10.0f); }, "GrowthRate"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<History> history = projectedRun();
        c.damage(*history);
        EXPECT_NE(historyInconsistency(*history).find(c.named), std::string::npos)
            << historyInconsistency(*history);
    }
}

TEST(HistoryConsistencyTest, EntriesPastTheStepCountAreNotChecked)
{
    std::unique_ptr<History> history = projectedRun();
    history->NTotal[6] = -1;
    history->AgeProp[0][6] = 7;
    history->DeltaN[5] = 3;
    EXPECT_EQ(historyInconsistency(*history), "");
}

}  // namespace
}  // namespace dalvo::testing_walk
