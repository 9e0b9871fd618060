// Speed of the projection arithmetic: one step, and a whole run of 1000 steps.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

#include "model/main_form_model.h"

namespace {

using dalvo::History;
using dalvo::MainFormModel;

const std::array<std::string, 16> kMatrix{"0", "1", "2", "1", "0.5", "0", "0",   "0",
                                          "0", "1", "0", "0", "0",   "0", "0.5", "0"};
const std::array<std::string, 4> kInitial{"10", "0", "0", "0"};

void BM_ProjectionStep(benchmark::State& state)
{
    auto history = std::make_unique<History>();
    MainFormModel model(*history, {});
    (void)model.load();
    for (auto _ : state) {
        if (history->stepCount() == dalvo::kLastStep) {
            state.PauseTiming();
            (void)model.startNewRun(kMatrix, kInitial);
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(model.Projection());
        model.Transition();
    }
}
BENCHMARK(BM_ProjectionStep);

void BM_ThousandStepsWithTransitions(benchmark::State& state)
{
    auto history = std::make_unique<History>();
    MainFormModel model(*history, {});
    (void)model.load();
    for (auto _ : state) {
        (void)model.startNewRun(kMatrix, kInitial);
        for (int step = 0; step < dalvo::kLastStep; ++step) {
            benchmark::DoNotOptimize(model.Projection());
            model.Transition();
        }
        benchmark::DoNotOptimize(history->step(dalvo::kLastStep).total);
    }
}
BENCHMARK(BM_ThousandStepsWithTransitions)->Unit(benchmark::kMillisecond);

}  // namespace
