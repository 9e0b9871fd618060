// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// How long the own-population window's numbers take for 101 classes: one edit worked through, and the analysis alone.
#include <benchmark/benchmark.h>

#include <vector>

#include "model/long_term_outlook.h"
#include "model/own_population.h"
#include "presentation/own_population_charts.h"
#include "presentation/own_population_text.h"

namespace {

using namespace dalvo;

// The long-lived population of the 101-class example: young from age 10,
// fewer from 71 and none after 89; survival 0.3 in the first year, 0.8 to
// age 9, 0.97 to 59, then falling by 0.0125 a year.
LeslieMatrix hundredAndOneClasses()
{
    LeslieMatrix matrix;
    for (int j = 0; j < kMaxAgeClasses; ++j) {
        double f = 0;
        if (j >= 10 && j < 15)
            f = 0.24 * (j - 9);
        else if (j >= 15 && j <= 70)
            f = 1.2;
        else if (j > 70 && j < 90)
            f = 1.2 - 0.06 * (j - 70);
        matrix.fecundity.push_back(f);
    }
    for (int j = 0; j + 1 < kMaxAgeClasses; ++j)
        matrix.survival.push_back(j == 0 ? 0.3 : j < 10 ? 0.8 : j < 60 ? 0.97 : 0.95 - 0.0125 * (j - 60));
    return matrix;
}

OwnPopulation largestPopulation()
{
    OwnPopulation population;
    population.title = "A long-lived population, yearly age classes 0 to 100";
    population.matrix = hundredAndOneClasses();
    population.initial.assign(kMaxAgeClasses, 0.0);
    for (int j = 0; j < 20; ++j)
        population.initial[static_cast<std::size_t>(j)] = 100;
    population.steps = kDefaultProjectionSteps;
    return population;
}

// The student changes one fecundity: everything the window shows is worked out again.
void BM_EditLargestPopulation(benchmark::State& state)
{
    OwnPopulation population = largestPopulation();
    const NumberLocale locale;
    const std::vector<int> drawn = defaultDrawnClasses(population.matrix.classes());
    int edits = 0;
    for (auto _ : state) {
        population.matrix.fecundity[30] = 1.2 + 0.01 * (++edits % 2);
        const PopulationStudy study = studyPopulation(population);
        benchmark::DoNotOptimize(ownTotalChart(study, true, locale));
        benchmark::DoNotOptimize(ownGrowthRateChart(study, locale));
        benchmark::DoNotOptimize(ownDistributionChart(study, drawn, locale));
        benchmark::DoNotOptimize(convergenceChart(study, locale));
        benchmark::DoNotOptimize(lifeTableCells(study.lifeTable, study.figures, locale));
        benchmark::DoNotOptimize(projectionCells(study.projection, locale));
    }
}
BENCHMARK(BM_EditLargestPopulation)->Unit(benchmark::kMillisecond);

void BM_AnalysisLargest(benchmark::State& state)
{
    const LeslieMatrix matrix = hundredAndOneClasses();
    for (auto _ : state)
        benchmark::DoNotOptimize(analyseLongTerm(matrix));
}
BENCHMARK(BM_AnalysisLargest)->Unit(benchmark::kMillisecond);

}  // namespace
