// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// How quickly the two tables open at the longest run the history holds: built, filled and painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "model/history.h"
#include "ui/common/prompts.h"
#include "model/stepwise_run.h"
#include "ui/tables/table_window.h"

namespace {

// Nothing in these runs asks the student anything.
dalvo::ui::DialogPrompts prompts;

using dalvo::History;
using dalvo::AgeColumns;
using dalvo::ui::TableWindow;

// A run of the default matrix stepped `projections` times, as the student
// steps it.
std::unique_ptr<dalvo::StepwiseRun> defaultRun(int projections)
{
    auto run = std::make_unique<dalvo::StepwiseRun>();
    if (run->load().ok()) {
        for (int k = 0; k < projections; ++k) {
            if (!run->project().ok())
                break;
            run->transit();
        }
    }
    return run;
}

// Runs the pending layouts and paints the whole window, as its first
// appearance on the screen does.
void settleAndPaint(QWidget& window)
{
    QApplication::processEvents();
    window.repaint();
}

void opens(benchmark::State& state, AgeColumns ages)
{
    const auto run = defaultRun(static_cast<int>(state.range(0)));
    if (run->history().stepCount() != state.range(0)) {
        state.SkipWithError("the run stopped early");
        return;
    }
    for (auto _ : state) {
        auto* window = new TableWindow(ages, *run, {}, prompts);
        window->show();
        settleAndPaint(*window);

        state.PauseTiming();
        delete window;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// A later "Detail" click: the window exists and is shown again from its top.
void BM_DetailTableShownAgain(benchmark::State& state)
{
    const auto run = defaultRun(static_cast<int>(state.range(0)));
    TableWindow window(AgeColumns::Numbers, *run, {}, prompts);
    settleAndPaint(window);
    for (auto _ : state) {
        window.resetView();
        window.show();
        settleAndPaint(window);

        state.PauseTiming();
        window.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_DetailTableOpens(benchmark::State& state)
{
    opens(state, AgeColumns::Numbers);
}

void BM_AgeDistributionTableOpens(benchmark::State& state)
{
    opens(state, AgeColumns::Proportions);
}

BENCHMARK(BM_DetailTableOpens)->Arg(4)->Arg(dalvo::kLastStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetailTableShownAgain)->Arg(dalvo::kLastStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AgeDistributionTableOpens)->Arg(dalvo::kLastStep)->Unit(benchmark::kMillisecond);

}  // namespace
