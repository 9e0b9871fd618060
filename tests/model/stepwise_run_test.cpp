// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/stepwise_run.h"
#include "support/default_run.h"
#include "presentation/main_fields.h"

#include <gtest/gtest.h>

#include <array>
#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace dalvo {
namespace {

using Texts4 = std::array<std::string, 4>;

std::array<std::string, 16> defaultMatrixTexts()
{
    return {"0", "1", "2", "1", "0.5", "0", "0", "0", "0", "1", "0", "0", "0", "0", "0.5", "0"};
}

TEST(StepwiseRunTest, StartStateRecordsStepZeroFromTheDefaults)
{
    DefaultRun run;
    const MainFields f = shownFields(run.model, run.locale);
    EXPECT_EQ(f.matrixCells, defaultMatrixTexts());
    EXPECT_EQ(f.now, (Texts4{"10", "0", "0", "0"}));
    EXPECT_EQ(f.next, (Texts4{"", "", "", ""}));
    EXPECT_EQ(f.nowTotal, "10");
    EXPECT_EQ(f.nowStep, "0");
    EXPECT_EQ(f.nextTotal, "");
    EXPECT_EQ(f.growthRate, "");
    EXPECT_EQ(f.nextStep, "");
    EXPECT_EQ(run.model.actionState(), ActionState::ReadyToProject);
    EXPECT_FALSE(run.model.graphEnabled());

    const History& h = *run.history;
    EXPECT_EQ(h.stepCount(), 0);
    const double expectedAge[] = {10, 0, 0, 0};
    const double expectedProp[] = {1, 0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(h.step(0).counts[i], expectedAge[i]) << "age " << i;
        EXPECT_EQ(h.step(0).proportions[i], expectedProp[i]) << "age " << i;
    }
    EXPECT_EQ(h.step(0).total, 10);
}

TEST(StepwiseRunTest, FourProjectionsFromTheDefaults)
{
    struct Expected {
        Texts4 next;
        std::string nextTotal, shownGrowthRate, nextStep;
        bool graph;
        double total;
        double deltaN;
        float growthRate;
    };
    const std::vector<Expected> steps = {
        {{"0", "5", "0", "0"}, "5", "0.5", "1", false, 5, -5, 0.5f},
        {{"5", "0", "5", "0"}, "10", "2", "2", false, 10, 5, 2.0f},
        {{"10", "2.5", "0", "2.5"}, "15", "1.5", "3", false, 15, 5, 1.5f},
        {{"5", "5", "2.5", "0"},
         "12.5",
         "0.833333333333333",
         "4",
         true,
         12.5,
         -2.5,
         static_cast<float>(12.5 / 15)},
    };

    DefaultRun run;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        SCOPED_TRACE("projection " + std::to_string(k + 1));
        const int t = static_cast<int>(k) + 1;
        if (k > 0)
            run.model.transit();
        ASSERT_TRUE(run.model.project().ok());

        const Expected& e = steps[k];
        const MainFields f = shownFields(run.model, run.locale);
        EXPECT_EQ(f.next, e.next);
        EXPECT_EQ(f.nextTotal, e.nextTotal);
        EXPECT_EQ(f.growthRate, e.shownGrowthRate);
        EXPECT_EQ(f.nextStep, e.nextStep);
        EXPECT_EQ(run.model.graphEnabled(), e.graph);
        EXPECT_EQ(run.model.actionState(), ActionState::ReadyToTransit);

        const History& h = *run.history;
        EXPECT_EQ(h.stepCount(), t);
        EXPECT_EQ(h.step(t).total, e.total);
        EXPECT_EQ(h.step(t).total, kDefaultRunTotals[t]);
        EXPECT_EQ(h.change(t - 1), e.deltaN);
        EXPECT_EQ(h.growthRate(t - 1), e.growthRate);
        double sum = 0;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(h.step(t).counts[i], std::stod(e.next[i])) << "age " << i;
            EXPECT_EQ(h.step(t).proportions[i], h.step(t).counts[i] / h.step(t).total) << "age " << i;
            sum += h.step(t).proportions[i];
        }
        EXPECT_DOUBLE_EQ(sum, 1.0);
    }
}

TEST(StepwiseRunTest, TransitionMovesNextVectorIntoCurrentAndKeepsHistory)
{
    DefaultRun run;
    ASSERT_TRUE(run.model.project().ok());
    const History before = *run.history;
    run.model.transit();

    const MainFields f = shownFields(run.model, run.locale);
    EXPECT_EQ(f.now, (Texts4{"0", "5", "0", "0"}));
    EXPECT_EQ(f.next, (Texts4{"", "", "", ""}));
    EXPECT_EQ(f.nowTotal, "5");
    EXPECT_EQ(f.nextTotal, "");
    EXPECT_EQ(f.growthRate, "");
    EXPECT_EQ(f.nowStep, "1");
    EXPECT_EQ(f.nextStep, "");
    EXPECT_EQ(run.model.actionState(), ActionState::ReadyToProject);
    EXPECT_TRUE(before == *run.history);
}

TEST(StepwiseRunTest, HistoryStoresTheDisplayedValue)
{
    DefaultRun run;
    LeslieMatrix matrix = defaultMatrix();
    matrix.survival[0] = 0.1;
    ASSERT_TRUE(run.model.startNewRun(matrix, {3, 0, 0, 0}).ok());
    ASSERT_NE(0.1 * 3, 0.3);  // the product itself carries a 17th digit

    ASSERT_TRUE(run.model.project().ok());
    EXPECT_EQ(shownFields(run.model, run.locale).next[1], "0.3");
    EXPECT_EQ(run.history->step(1).counts[1], 0.3);
    EXPECT_EQ(run.history->step(1).total, 0.3);
}

TEST(StepwiseRunTest, GrowthRateShownIsTheQuotientOfTheShownTotals)
{
    DefaultRun run;
    LeslieMatrix matrix = defaultMatrix();
    matrix.fecundity[0] = 0.1;
    ASSERT_TRUE(run.model.startNewRun(matrix, {3, 0, 0, 0}).ok());
    ASSERT_TRUE(run.model.project().ok());
    // N(1) = 0.3, 1.5: the total shown is "1.8", so the rate is 1.8 / 3.
    EXPECT_EQ(shownFields(run.model, run.locale).nextTotal, "1.8");
    EXPECT_EQ(shownFields(run.model, run.locale).growthRate, formatGeneral(1.8 / 3, {}));
    EXPECT_EQ(run.history->growthRate(0), static_cast<float>(run.history->step(1).total / 3));
}

TEST(StepwiseRunTest, NewRunRecordsStepZeroInFullAtTheFirstProjection)
{
    DefaultRun run;
    for (int k = 0; k < 3; ++k)
        run.step();
    ASSERT_TRUE(run.model.startNewRun(defaultMatrix(), {20, 0, 0, 0}).ok());

    const MainFields f = shownFields(run.model, run.locale);
    EXPECT_EQ(run.history->stepCount(), 0);
    EXPECT_EQ(f.nowTotal, "20");
    EXPECT_EQ(f.nowStep, "0");
    EXPECT_EQ(f.next, (Texts4{"", "", "", ""}));
    EXPECT_EQ(f.nextStep, "");
    EXPECT_FALSE(run.model.graphEnabled());

    ASSERT_TRUE(run.model.project().ok());
    EXPECT_EQ(shownFields(run.model, run.locale).next, (Texts4{"0", "10", "0", "0"}));
    EXPECT_EQ(run.history->step(0).counts[0], 20);
    EXPECT_EQ(run.history->step(0).total, 20);
    EXPECT_EQ(run.history->step(0).proportions[0], 1);
    EXPECT_EQ(run.history->stepCount(), 1);
}

TEST(StepwiseRunTest, MatrixChangeClearsNextVectorAndReturnsToProject)
{
    struct Case {
        const char* name;
        int cell;
        void (*change)(LeslieMatrix&);
        std::string text;
        bool handlerRuns;
    };
    const std::vector<Case> cases = {
        {"fecundity changed", 0, [](LeslieMatrix& m) { m.fecundity[0] = 3; }, "3", true},
        {"survival changed", 9, [](LeslieMatrix& m) { m.survival[1] = 0.75; }, "0.75", true},
        {"same matrix again", 4, [](LeslieMatrix&) {}, "0.5", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DefaultRun run;
        ASSERT_TRUE(run.model.project().ok());
        const History before = *run.history;
        const MainFields fieldsBefore = shownFields(run.model, run.locale);

        LeslieMatrix matrix = run.model.matrix();
        c.change(matrix);
        ASSERT_TRUE(run.model.setMatrix(matrix).ok());

        const MainFields f = shownFields(run.model, run.locale);
        EXPECT_EQ(f.matrixCells[c.cell], c.text);
        EXPECT_TRUE(before == *run.history);
        EXPECT_EQ(f.now, fieldsBefore.now);
        EXPECT_EQ(f.nowTotal, fieldsBefore.nowTotal);
        EXPECT_EQ(f.nowStep, fieldsBefore.nowStep);
        EXPECT_EQ(f.nextStep, fieldsBefore.nextStep);
        if (c.handlerRuns) {
            EXPECT_EQ(f.next, (Texts4{"", "", "", ""}));
            EXPECT_EQ(f.nextTotal, "");
            EXPECT_EQ(f.growthRate, "");
            EXPECT_EQ(run.model.actionState(), ActionState::ReadyToProject);
        } else {
            EXPECT_EQ(f, fieldsBefore);
            EXPECT_EQ(run.model.actionState(), ActionState::ReadyToTransit);
        }
    }
}

TEST(StepwiseRunTest, EveryEntryOfTheMatrixTakesPartInTheProduct)
{
    DefaultRun run;
    ASSERT_TRUE(run.model.startNewRun({{0.5, 1, 2, 1}, {0.25, 1, 0.5}}, {1, 2, 3, 4}).ok());
    ASSERT_TRUE(run.model.project().ok());
    // Births: 0.5*1 + 1*2 + 2*3 + 1*4 = 12.5; survivors 0.25*1, 1*2, 0.5*3.
    EXPECT_EQ(shownFields(run.model, run.locale).next, (Texts4{"12.5", "0.25", "2", "1.5"}));
    EXPECT_EQ(shownFields(run.model, run.locale).nextTotal, "16.25");
}

TEST(StepwiseRunTest, CommaLocaleShowsAndReadsCommas)
{
    DefaultRun run(NumberLocale{","});
    EXPECT_EQ(shownFields(run.model, run.locale).matrixCells[4], "0,5");
    EXPECT_EQ(shownFields(run.model, run.locale).matrixCells[14], "0,5");
    for (int k = 0; k < 3; ++k)
        run.step();
    ASSERT_TRUE(run.model.project().ok());
    EXPECT_EQ(shownFields(run.model, run.locale).next, (Texts4{"5", "5", "2,5", "0"}));
    EXPECT_EQ(shownFields(run.model, run.locale).nextTotal, "12,5");
    EXPECT_EQ(shownFields(run.model, run.locale).growthRate, "0,833333333333333");
    EXPECT_EQ(run.history->step(4).total, 12.5);
}

// A failed step leaves the history, every field and every control state as
// it was, and says what went wrong.
TEST(StepwiseRunTest, FailedProjectionChangesNothing)
{
    struct Case {
        const char* name;
        void (*prepare)(DefaultRun&);
        const char* messagePart;
    };
    const std::vector<Case> cases = {
        {"all-zero initial population",
         [](DefaultRun& r) {
             ASSERT_TRUE(r.model.startNewRun(defaultMatrix(), {0, 0, 0, 0}).ok());
         },
         "total population at step 0 is 0"},
        {"population dies out",
         [](DefaultRun& r) {
             // No births and no survivors past age class 2.
             LeslieMatrix matrix = defaultMatrix();
             matrix.fecundity[1] = matrix.fecundity[2] = matrix.fecundity[3] = matrix.survival[2] = 0;
             ASSERT_TRUE(r.model.startNewRun(matrix, {10, 0, 0, 0}).ok());
             r.step();
             r.step();
         },
         "step 3 would be 0"},
        {"product overflows",
         [](DefaultRun& r) {
             LeslieMatrix matrix = defaultMatrix();
             matrix.survival[0] = 1E+300;
             ASSERT_TRUE(r.model.startNewRun(matrix, {1E+300, 0, 0, 0}).ok());
         },
         "too large"},
        {"growth rate beyond single precision",
         [](DefaultRun& r) {
             LeslieMatrix matrix = defaultMatrix();
             matrix.survival[0] = 1E+100;
             ASSERT_TRUE(r.model.startNewRun(matrix, {1, 0, 0, 0}).ok());
         },
         "too large"},
        {"step 1000 reached",
         [](DefaultRun& r) {
             for (int k = 0; k < kLastStep; ++k)
                 r.step();
             ASSERT_TRUE(r.model.project().ok() == false);
         },
         "step 1000"},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DefaultRun run;
        c.prepare(run);
        if (HasFatalFailure())
            return;
        const History historyBefore = *run.history;
        const MainFields fieldsBefore = shownFields(run.model, run.locale);
        const ActionState stateBefore = run.model.actionState();
        const bool graphBefore = run.model.graphEnabled();

        const Result<void> result = run.model.project();

        ASSERT_FALSE(result.ok());
        EXPECT_NE(result.error().message.find(c.messagePart), std::string::npos) << result.error().message;
        EXPECT_NE(result.error().message.find("Change default values"), std::string::npos);
        EXPECT_TRUE(historyBefore == *run.history);
        EXPECT_EQ(shownFields(run.model, run.locale), fieldsBefore);
        EXPECT_EQ(run.model.actionState(), stateBefore);
        EXPECT_EQ(run.model.graphEnabled(), graphBefore);
    }
}

TEST(StepwiseRunTest, RunStopsAtTheLastKeptStep)
{
    DefaultRun run;
    LeslieMatrix matrix = defaultMatrix();
    matrix.survival[0] = 1;  // the total cycles but never dies out
    ASSERT_TRUE(run.model.setMatrix(matrix).ok());
    for (int k = 0; k < kLastStep; ++k)
        run.step();
    EXPECT_EQ(run.history->stepCount(), kLastStep);
    EXPECT_GT(run.history->step(kLastStep).total, 0);
    EXPECT_EQ(shownFields(run.model, run.locale).nowStep, "1000");
    EXPECT_FALSE(run.model.project().ok());
    EXPECT_EQ(run.history->stepCount(), kLastStep);
}

TEST(StepwiseRunTest, NewRunRejectsWhatItCannotStartFromWithoutWriting)
{
    DefaultRun run;
    ASSERT_TRUE(run.model.project().ok());
    const History historyBefore = *run.history;
    const MainFields fieldsBefore = shownFields(run.model, run.locale);
    LeslieMatrix matrix = defaultMatrix();
    matrix.fecundity[0] = 7;
    EXPECT_FALSE(run.model.startNewRun(matrix, {1E+308, 1E+308, 0, 0}).ok());
    EXPECT_FALSE(run.model.startNewRun({{1, 2}, {0.5}}, {10, 0, 0, 0}).ok());
    EXPECT_TRUE(historyBefore == *run.history);
    EXPECT_EQ(shownFields(run.model, run.locale), fieldsBefore);
}

// Every change tells each subscriber once; a refused operation or one that
// changes nothing tells no one.
TEST(StepwiseRunTest, SubscribersHearOfEachChangeOnce)
{
    LeslieMatrix otherMatrix = defaultMatrix();
    otherMatrix.fecundity[3] = 4;
    const struct Case {
        const char* name;
        std::function<Result<void>(StepwiseRun&)> operation;
        bool succeeds;
        int notices;
    } cases[] = {
        {"project", [](StepwiseRun& r) { return r.project(); }, true, 1},
        {"transit", [](StepwiseRun& r) { r.transit(); return Result<void>(); }, true, 1},
        {"load", [](StepwiseRun& r) { return r.load(); }, true, 1},
        {"a new run", [](StepwiseRun& r) { return r.startNewRun(defaultMatrix(), {1, 2, 3, 4}); }, true, 1},
        {"another matrix", [&](StepwiseRun& r) { return r.setMatrix(otherMatrix); }, true, 1},
        {"the same matrix", [](StepwiseRun& r) { return r.setMatrix(defaultMatrix()); }, true, 0},
        {"a matrix of other classes", [](StepwiseRun& r) { return r.setMatrix({{1, 1}, {0.5}}); }, false, 0},
        {"a new run of mismatched N(0)", [](StepwiseRun& r) { return r.startNewRun({{2}, {}}, {1, 1}); }, false, 0},
        {"a new run too large to add up", [](StepwiseRun& r) { return r.startNewRun(defaultMatrix(), {1E308, 1E308, 0, 0}); }, false, 0},
        {"a projection that dies out",
         [](StepwiseRun& r) {
             EXPECT_TRUE(r.startNewRun({{0, 0}, {0}}, {0, 1}).ok());
             return Result<void>(r.project());
         },
         false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DefaultRun run;
        int first = 0, second = 0;
        const StepwiseRun::Subscription a = run.model.subscribe([&](const StepwiseRun&) { ++first; });
        StepwiseRun::Subscription b = run.model.subscribe([&](const StepwiseRun&) { ++second; });
        EXPECT_EQ(c.operation(run.model).ok(), c.succeeds);
        EXPECT_EQ(first, c.notices);
        EXPECT_EQ(second, c.notices);
        b.end();
        run.model.transit();
        EXPECT_EQ(first, c.notices + 1);
        EXPECT_EQ(second, c.notices) << "an ended subscription hears nothing more";
    }
}

// One individual walks through the classes of a cyclic matrix, one class a
// step, whatever the number of classes; the outlook is worked out once.
TEST(StepwiseRunTest, RunsOfOneToHundredAndOneClasses)
{
    for (int classes : {1, 4, kMaxAgeClasses}) {
        SCOPED_TRACE(classes);
        LeslieMatrix cycle{std::vector<double>(classes), std::vector<double>(classes - 1, 1.0)};
        cycle.fecundity.back() = 1;
        std::vector<double> initial(classes);
        initial[0] = 1;
        StepwiseRun run;
        ASSERT_TRUE(run.startNewRun(cycle, initial).ok() && run.outlook().ok());
        EXPECT_NEAR(run.outlook()->lambda, 1, 1e-9);
        const LongTermOutlook* firstOutlook = &run.outlook().value();
        const int steps = std::min(classes + 2, 12);
        for (int t = 1; t <= steps; ++t) {
            ASSERT_TRUE(run.project().ok()) << "step " << t;
            run.transit();
            const StepNumbers& step = run.history().step(t);
            ASSERT_EQ(static_cast<int>(step.counts.size()), classes);
            EXPECT_EQ(step.total, 1);
            EXPECT_EQ(step.counts[static_cast<std::size_t>(t % classes)], 1) << "step " << t;
        }
        EXPECT_EQ(&run.outlook().value(), firstOutlook);
    }
}

}  // namespace
}  // namespace dalvo
