// Chance in a projection: a run of many replicates, its settings, and the fan, risk and growth it shows.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/leslie_matrix.h"
#include "model/result.h"
#include "model/source_text.h"

namespace dalvo {

inline constexpr int kMostChanceReplicates = 100000;
inline constexpr int kMostChanceSteps = 1000;
inline constexpr int kChanceSampleRuns = 10;
// The one long run that the stochastic growth rate is read from, and its batches.
inline constexpr int kGrowthRunIntervals = 50000;
inline constexpr int kGrowthRunBatches = 50;

struct ChanceSettings {
    int replicates = 1000;
    int steps = 50;
    std::uint64_t seed = 1;
    double threshold = 1;  // a total below it counts as lost; 1: no individual left
    bool demographic = true;
    bool environmental = false;
    double cvFecundity = 0.2;
    double cvSurvival = 0.1;
    bool goodAndBadYears = false;  // all rates of an interval from one quantile

    bool operator==(const ChanceSettings&) const = default;
};

// What a run starts from. `initial` has one count per class; with demographic
// chance it is rounded to whole individuals.
//
// `youngPerSurvivor` is empty for a matrix whose individuals breed whether or
// not they survive the interval. For a life table with a post-breeding census
// it holds m(j+1) per class j: then only the survivors of class j breed, each
// leaving Poisson(m(j+1)) young, which has the same mean and a larger
// variance. The survival that lets the last class breed is not in the matrix
// (its survivors leave it): it is F(n) / m(n+1). In a varying year the
// matrix's rates vary as below and a survivor of class j leaves
// Poisson(F~(j) / P~(j)) young; the last class's breeding survival stays fixed.
struct ChancePopulation {
    LeslieMatrix matrix;
    std::vector<double> initial;
    std::vector<double> youngPerSurvivor;
};

// Environmental variation draws every survival rate from a beta distribution
// with mean P(j) and standard deviation CV × P(j), every fecundity from a
// lognormal one with mean F(j) and standard deviation CV × F(j). A rate of 0
// stays 0 and a survival rate of 1 stays 1: no beta distribution with those
// means varies. For the others a beta distribution needs
// CV < sqrt((1 - P) / P); this is the largest CV of survival the matrix
// allows (strictly below it), or empty when no survival rate can vary.
std::optional<double> survivalCvLimit(const LeslieMatrix& matrix);

// Refuses, saying what to change: replicates outside 1..kMostChanceReplicates,
// steps outside 1..kMostChanceSteps, a threshold below 0, neither kind of
// chance ("there is no chance to simulate"), a negative CV or a CV of
// survival that no beta distribution allows (naming the largest possible), a
// matrix that cannot be analysed, an initial population of the wrong length
// or with a negative count, young per survivor that do not fit the matrix.
Result<void> checkChance(const ChancePopulation& population, const ChanceSettings& settings);

// Why a part of the result is not given.
enum class NotGivenReason {
    Given,
    EnvironmentalVariationOnly,  // exact extinction: the branching process needs fixed rates
    ThresholdNotExtinction,      // exact extinction: a threshold above 1 or of 0 is not "no individual left"
    DemographicChance,           // long-run growth: a run of whole individuals can die out
    NoEnvironmentalVariation,    // long-run growth: without it log λs is ln λ
    MatrixDiesOut,               // long-run growth: λ of the average matrix is 0
};

struct ChanceResult {
    ChanceSettings settings;
    int classes = 0;
    int threads = 0;  // worker threads that ran the replicates

    // Per step t = 0..steps, over the replicates' totals. A total past the
    // largest double is infinite. (With demographic chance a class of more
    // than 2^31 individuals has its survivors and young drawn from the normal
    // approximation: the library counts in unsigned int.)
    std::vector<double> medianTotal;
    std::vector<double> quantile05Total;
    std::vector<double> quantile25Total;
    std::vector<double> quantile75Total;
    std::vector<double> quantile95Total;
    // The projection of the start the replicates begin with (rounded with
    // demographic chance) by the average matrix: the mean of demographic chance alone.
    std::vector<double> expectedTotal;
    // Replicates 0..9 (fewer when fewer ran), each steps + 1 totals.
    std::vector<std::vector<double>> sampleTotals;
    // Every replicate's total at the last step, in the order of the replicates.
    std::vector<double> finalTotals;

    // Per step t = 1..steps (index t - 1): the share of replicates whose total
    // has been below the threshold at some step 0..t, with its 95 % Wilson interval.
    std::vector<double> lossProbability;
    std::vector<double> lossLower;
    std::vector<double> lossUpper;
    // The exact probability of extinction by step t = 1..steps (index t - 1)
    // from the branching process; empty unless demographic chance alone with a
    // threshold in (0, 1].
    std::vector<double> exactExtinction;
    NotGivenReason exactExtinctionReason = NotGivenReason::Given;

    double lambdaAverageMatrix = 0;
    // Environmental variation alone: log λs from one long run of
    // kGrowthRunIntervals, its 95 % interval from kGrowthRunBatches batch
    // means, and Tuljapurkar's ln λ - τ² / (2 λ²).
    std::optional<double> logLambdaS;
    std::optional<double> logLambdaSLower;
    std::optional<double> logLambdaSUpper;
    std::optional<double> logLambdaSTuljapurkar;
    NotGivenReason growthReason = NotGivenReason::Given;
};

// How a run is carried out; none of it changes the numbers.
struct ChanceControl {
    int threads = 0;  // 0: one per core
    // Set from any thread to stop; checked often enough to stop within 0.1 s.
    const std::atomic<bool>* cancel = nullptr;
    // The share done, 0..1, rising; called from a worker thread, one call at a
    // time. It must not throw.
    std::function<void(double)> progress;
};

inline constexpr const char* kChanceCancelled = sourceText("dalvo::Error", "The run was cancelled.");

// Runs the replicates on `control.threads` threads. Replicate k draws from
// its own random stream, derived from (settings.seed, k) alone (see
// chance_draws.h), so the same seed gives the same result on every machine
// and with any number of threads, and a run of more replicates begins with
// the same ones. Checks first. A cancelled run gives Error{kChanceCancelled}
// and nothing else.
Result<ChanceResult> runChance(const ChancePopulation& population, const ChanceSettings& settings,
                               const ChanceControl& control = {});

}  // namespace dalvo
