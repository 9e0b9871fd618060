// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// Chance at its largest (10 000 replicates x 100 steps x 101 classes) beside its random numbers alone.
#include <benchmark/benchmark.h>

#include <gsl/gsl_randist.h>
#include <gsl/gsl_rng.h>

#include <numeric>
#include <vector>

#include "model/chance.h"
#include "model/chance_draws.h"

namespace {

using namespace dalvo;

// The 101-class example: yearly classes 0 to 100 of a long-lived population.
ChancePopulation largestPopulation()
{
    ChancePopulation population;
    LeslieMatrix& m = population.matrix;
    for (int j = 0; j <= 100; ++j) {
        double f = 0;
        if (j >= 10 && j <= 14)
            f = 0.24 * (j - 9);
        else if (j >= 15 && j <= 70)
            f = 1.2;
        else if (j >= 71 && j <= 89)
            f = 1.2 - 0.06 * (j - 70);
        m.fecundity.push_back(f);
        population.initial.push_back(j < 20 ? 100 : 0);
    }
    for (int j = 0; j < 100; ++j)
        m.survival.push_back(j == 0 ? 0.3 : j < 10 ? 0.8 : j < 60 ? 0.97 : 0.95 - 0.0125 * (j - 60));
    return population;
}

ChanceSettings largestSettings()
{
    ChanceSettings settings;
    settings.replicates = 10000;
    settings.steps = 100;
    settings.demographic = true;
    settings.environmental = true;
    return settings;
}

double runLargest(benchmark::State& state, int threads)
{
    const ChancePopulation population = largestPopulation();
    ChanceControl control;
    control.threads = threads;
    double finalSum = 0;
    for (auto _ : state) {
        const Result<ChanceResult> result = runChance(population, largestSettings(), control);
        if (!result) {
            state.SkipWithError(result.error().message.c_str());
            return 0;
        }
        finalSum = std::accumulate(result->finalTotals.begin(), result->finalTotals.end(), 0.0);
        benchmark::DoNotOptimize(finalSum);
    }
    state.counters["final_total_sum"] = finalSum;
    return finalSum;
}

void BM_ChanceLargest(benchmark::State& state)
{
    runLargest(state, 1);
}
BENCHMARK(BM_ChanceLargest)->Unit(benchmark::kSecond)->Iterations(1);

// Every replicate's own stream and the same draws in the same order as a
// run (beta survival, lognormal fecundity and a binomial of survivors per
// occupied class, one Poisson for the young), with nothing else: no quantile,
// no threshold, no state kept between steps. The sum of the final totals
// matches BM_ChanceLargest's, which shows that the draws are the same.
void BM_ChanceDrawsFloor(benchmark::State& state)
{
    const ChancePopulation population = largestPopulation();
    const ChanceSettings settings = largestSettings();
    const RateVariation v =
        rateVariation(population.matrix, true, settings.cvFecundity, settings.cvSurvival, false);
    const int last = v.classes - 1;
    gsl_rng* rng = gsl_rng_alloc(gsl_rng_taus2);
    std::vector<double> numbers(v.classes);
    double finalSum = 0;
    for (auto _ : state) {
        finalSum = 0;
        for (int r = 0; r < settings.replicates; ++r) {
            gsl_rng_set(rng, streamSeed(settings.seed, r));
            numbers = population.initial;
            for (int t = 0; t < settings.steps; ++t) {
                double young = 0;
                for (int j = last; j >= 0; --j) {
                    const double n = numbers[j];
                    double survivors = 0;
                    if (n > 0) {
                        if (v.sigma[j] > 0)
                            young += gsl_ran_lognormal(rng, v.zeta[j], v.sigma[j]) * n;
                        if (j < last) {
                            const double p =
                                v.betaA[j] > 0 ? gsl_ran_beta(rng, v.betaA[j], v.betaB[j]) : v.survival[j];
                            survivors = p <= 0   ? 0
                                        : p >= 1 ? n
                                                 : gsl_ran_binomial(rng, p, static_cast<unsigned>(n));
                        }
                    }
                    if (j < last)
                        numbers[j + 1] = survivors;
                }
                numbers[0] = young > 0 ? gsl_ran_poisson(rng, young) : 0;
            }
            finalSum += std::accumulate(numbers.begin(), numbers.end(), 0.0);
        }
        benchmark::DoNotOptimize(finalSum);
    }
    gsl_rng_free(rng);
    state.counters["final_total_sum"] = finalSum;
}
BENCHMARK(BM_ChanceDrawsFloor)->Unit(benchmark::kSecond)->Iterations(1);

void BM_ChanceLargestAllCores(benchmark::State& state)
{
    runLargest(state, 0);
}
BENCHMARK(BM_ChanceLargestAllCores)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

}  // namespace
