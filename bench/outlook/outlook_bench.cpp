// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// How quickly the long-term outlook window opens: built, its outlook worked out, filled and painted.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "model/stepwise_run.h"
#include "ui/common/prompts.h"
#include "ui/outlook/outlook_window.h"

namespace {

void BM_OpenOutlookWindow(benchmark::State& state)
{
    dalvo::ui::DialogPrompts prompts;
    for (auto _ : state) {
        dalvo::ui::OutlookWindow window(prompts, dalvo::NumberLocale{});
        window.showMatrix(dalvo::defaultMatrix());
        window.show();
        QApplication::processEvents();
        window.repaint();
    }
}
BENCHMARK(BM_OpenOutlookWindow)->Unit(benchmark::kMillisecond);

}  // namespace
