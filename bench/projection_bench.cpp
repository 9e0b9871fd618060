// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// Speed of the projection arithmetic: one step, and a whole run of 1000 steps.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/stepwise_run.h"
#include "model/number_text.h"

namespace {

using dalvo::StepwiseRun;

// With as many windows watching as the program can have open at once (the
// main window, the charts and the outlook), each doing nothing: what the
// change notification itself costs.
void BM_ProjectionStep(benchmark::State& state)
{
    auto run = std::make_unique<StepwiseRun>();
    std::vector<StepwiseRun::Subscription> watchers;
    for (int k = 0; k < state.range(0); ++k)
        watchers.push_back(run->subscribe([](const StepwiseRun& changed) { benchmark::DoNotOptimize(&changed); }));
    (void)run->load();
    for (auto _ : state) {
        if (run->history().stepCount() == dalvo::kLastStep) {
            state.PauseTiming();
            (void)run->startNewRun(dalvo::defaultMatrix(), dalvo::defaultInitial());
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(run->project());
        run->transit();
    }
}
BENCHMARK(BM_ProjectionStep)->Arg(0)->Arg(3);

// What no step can avoid: the 4 x 4 product, and formatting and reading back
// the ten values the window shows (N(t+1), its total, the growth rate, and
// N(t) after the transition).
void BM_ProjectionStepFloor(benchmark::State& state)
{
    const double matrix[4][4] = {{0, 1, 2, 1}, {0.5, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 0.5, 0}};
    std::array<double, 4> now{10, 0, 0, 0};
    const dalvo::NumberLocale locale;
    auto roundTrip = [&](double value) { return *dalvo::parseNumber(dalvo::formatGeneral(value, locale), locale); };
    for (auto _ : state) {
        std::array<double, 4> next{};
        double total = 0;
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c)
                next[r] += matrix[r][c] * now[c];
            next[r] = roundTrip(next[r]);
            total += next[r];
        }
        const double previous = now[0] + now[1] + now[2] + now[3];
        benchmark::DoNotOptimize(roundTrip(total));
        benchmark::DoNotOptimize(roundTrip(total / previous));
        for (int r = 0; r < 4; ++r)
            now[r] = roundTrip(next[r]);
        if (total > 1e200)
            now = {10, 0, 0, 0};
    }
}
BENCHMARK(BM_ProjectionStepFloor);

void BM_ThousandStepsWithTransitions(benchmark::State& state)
{
    auto run = std::make_unique<StepwiseRun>();
    (void)run->load();
    for (auto _ : state) {
        (void)run->startNewRun(dalvo::defaultMatrix(), dalvo::defaultInitial());
        for (int step = 0; step < dalvo::kLastStep; ++step) {
            benchmark::DoNotOptimize(run->project());
            run->transit();
        }
        benchmark::DoNotOptimize(run->history().step(dalvo::kLastStep).total);
    }
}
BENCHMARK(BM_ThousandStepsWithTransitions)->Unit(benchmark::kMillisecond);

}  // namespace
