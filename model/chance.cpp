// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/chance.h"

#include <algorithm>
#include <barrier>
#include <cmath>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include "model/chance_draws.h"
#include "model/extinction.h"
#include "model/long_term_outlook.h"
#include "model/number_text.h"
#include "model/stochastic_growth.h"

namespace dalvo {

namespace {

std::string shown(double value)
{
    return formatGeneral(value, NumberLocale{});
}

Result<void> checkYoungPerSurvivor(const ChancePopulation& population)
{
    const LeslieMatrix& m = population.matrix;
    const std::vector<double>& young = population.youngPerSurvivor;
    const int last = m.classes() - 1;
    if (static_cast<int>(young.size()) != m.classes())
        return explained(sourceText("dalvo::Error", "The young per survivor need one value per age class."));
    for (int j = 0; j <= last; ++j) {
        const double f = m.fecundity[j];
        const std::vector<std::string> which = {std::to_string(j), shown(young[j]), shown(f),
                                                std::to_string(j + 1)};
        if (!std::isfinite(young[j]) || young[j] < 0)
            return explained(
                sourceText("dalvo::Error", "The young per survivor of age class %1 must be 0 or more."),
                {std::to_string(j)});
        const double tolerance = 1e-9 * std::max(1.0, f);
        if (j < last && std::abs(m.survival[j] * young[j] - f) > tolerance)
            return explained(sourceText("dalvo::Error",
                                        "The young per survivor of age class %1 (%2) do not give its "
                                        "fecundity F(%1) = %3: it must be P(%1) x m(%4)."),
                             which);
        if (j == last && (young[j] == 0 ? f > 0 : f > young[j] * (1 + 1e-9)))
            return explained(sourceText("dalvo::Error",
                                        "The young per survivor of age class %1 (%2) do not give its "
                                        "fecundity F(%1) = %3: no survival of the last class gives it."),
                             which);
    }
    return {};
}

// Quantiles as the linear interpolation between order statistics (type 7 of
// Hyndman and Fan, the usual one), each order statistic found in place.
class StepQuantiles {
public:
    static constexpr double kLevels[] = {0.05, 0.25, 0.5, 0.75, 0.95};

    explicit StepQuantiles(std::size_t count) : scratch_(count) {}

    // Reorders nothing of `values`; fills `out` with one value per level.
    void find(const std::vector<double>& values, double (&out)[5])
    {
        std::copy(values.begin(), values.end(), scratch_.begin());
        const auto n = static_cast<std::ptrdiff_t>(scratch_.size());
        std::ptrdiff_t sortedUpTo = 0;  // [0, sortedUpTo) hold their final order statistics
        auto orderStatistic = [&](std::ptrdiff_t k) {
            if (k >= sortedUpTo) {
                std::nth_element(scratch_.begin() + sortedUpTo, scratch_.begin() + k, scratch_.end());
                sortedUpTo = k + 1;
            }
            return scratch_[k];
        };
        for (int level = 0; level < 5; ++level) {
            const double h = (n - 1) * kLevels[level];
            const auto low = static_cast<std::ptrdiff_t>(std::floor(h));
            const double below = orderStatistic(low);
            const double above = low + 1 < n ? orderStatistic(low + 1) : below;
            // Equal neighbours (both infinite, say) need no interpolation.
            out[level] = above == below ? below : below + (h - low) * (above - below);
        }
    }

private:
    std::vector<double> scratch_;
};

// The 95 % Wilson score interval for `hits` of `count`.
void wilson(double hits, double count, double& lower, double& upper)
{
    constexpr double z = 1.959963984540054;
    const double p = hits / count;
    const double z2n = z * z / count;
    const double centre = (p + z2n / 2) / (1 + z2n);
    const double half = z / (1 + z2n) * std::sqrt(p * (1 - p) / count + z2n / (4 * count));
    lower = std::max(0.0, centre - half);
    upper = std::min(1.0, centre + half);
}

// Everything the workers of one run share. The replicates advance together
// one step at a time, so that each step's totals can be summarised while
// only one step of them is kept.
struct ReplicateRun {
    ReplicateRun(const ChanceSettings& s, const std::atomic<bool>* c, int n)
        : settings(s), cancel(c), classes(n)
    {
    }

    const ChanceSettings& settings;
    const std::atomic<bool>* cancel;
    int classes;
    std::vector<double> numbers;        // replicates x classes
    std::vector<unsigned char> states;  // replicates x the generator's state
    std::size_t stateSize = 0;
    std::vector<double> totals;  // of the current step, per replicate
    std::vector<int> lostAt;     // the first step below the threshold; steps + 1: never
    std::atomic<int> nextChunk{0};
    bool stopped = false;
};

constexpr int kChunk = 16;

// One step of the replicates the worker takes, chunk by chunk. Step 0 starts
// each replicate's stream.
void workOnStep(ReplicateRun& run, ChanceStepper& stepper, const std::vector<double>& start, int step)
{
    const int replicates = run.settings.replicates;
    const int classes = run.classes;
    while (true) {
        const int first = run.nextChunk.fetch_add(kChunk, std::memory_order_relaxed);
        if (first >= replicates)
            return;
        const int end = std::min(replicates, first + kChunk);
        for (int r = first; r < end; ++r) {
            // A replicate is a few microseconds even with 101 classes, so
            // looking once per replicate stops a run well within 0.1 s.
            if (run.cancel != nullptr && run.cancel->load(std::memory_order_relaxed))
                return;
            double* numbers = run.numbers.data() + static_cast<std::size_t>(r) * classes;
            unsigned char* state = run.states.data() + static_cast<std::size_t>(r) * run.stateSize;
            double total = 0;
            if (step == 0) {
                std::copy(start.begin(), start.end(), numbers);
                stepper.startStream(run.settings.seed, static_cast<std::uint64_t>(r));
                stepper.saveState(state);
                for (double n : start)
                    total += n;
            } else if (run.totals[r] > 0) {
                stepper.loadState(state);
                total = stepper.advance(std::span<double>(numbers, classes));
                stepper.saveState(state);
            }
            run.totals[r] = total;
            if (total < run.settings.threshold && run.lostAt[r] > step)
                run.lostAt[r] = step;
        }
    }
}

}  // namespace

std::optional<double> survivalCvLimit(const LeslieMatrix& matrix)
{
    std::optional<double> limit;
    for (double p : matrix.survival)
        if (p > 0 && p < 1) {
            const double cv = std::sqrt((1 - p) / p);
            limit = limit ? std::min(*limit, cv) : cv;
        }
    return limit;
}

Result<void> checkChance(const ChancePopulation& population, const ChanceSettings& settings)
{
    if (settings.replicates < 1 || settings.replicates > kMostChanceReplicates)
        return explained(sourceText("dalvo::Error", "The number of replicates must be from 1 to %1."),
                         {std::to_string(kMostChanceReplicates)});
    if (settings.steps < 1 || settings.steps > kMostChanceSteps)
        return explained(sourceText("dalvo::Error", "The number of steps must be from 1 to %1."),
                         {std::to_string(kMostChanceSteps)});
    if (!(settings.threshold >= 0) || !std::isfinite(settings.threshold))
        return explained(sourceText("dalvo::Error", "The threshold must be 0 or more."));
    if (!settings.demographic && !settings.environmental)
        return explained(sourceText("dalvo::Error",
                                    "There is no chance to simulate: switch on demographic chance, "
                                    "environmental variation or both."));
    if (Result<LongTermOutlook> outlook = analyseLongTerm(population.matrix); !outlook)
        return outlook.error();
    const LeslieMatrix& m = population.matrix;
    if (static_cast<int>(population.initial.size()) != m.classes())
        return explained(
            sourceText("dalvo::Error", "The initial population needs one number per age class."));
    for (std::size_t j = 0; j < population.initial.size(); ++j)
        if (!std::isfinite(population.initial[j]) || population.initial[j] < 0)
            return explained(
                sourceText("dalvo::Error", "The initial population of age class %1 must be 0 or more."),
                {std::to_string(j)});
    if (!population.youngPerSurvivor.empty())
        if (Result<void> young = checkYoungPerSurvivor(population); !young)
            return young;
    if (settings.environmental) {
        if (!(settings.cvFecundity >= 0) || !std::isfinite(settings.cvFecundity))
            return explained(sourceText("dalvo::Error", "The CV of fecundity must be 0 or more."));
        if (!(settings.cvSurvival >= 0) || !std::isfinite(settings.cvSurvival))
            return explained(sourceText("dalvo::Error", "The CV of survival must be 0 or more."));
        const std::optional<double> limit = survivalCvLimit(m);
        if (limit && settings.cvSurvival >= *limit) {
            // Named to three decimals and below the limit, so that the value
            // named is itself accepted.
            const double largest = (std::ceil(*limit * 1000) - 1) / 1000;
            return explained(sourceText("dalvo::Error",
                                        "No beta distribution has a CV of survival of %1 with these "
                                        "survival rates: the largest possible is %2."),
                             {shown(settings.cvSurvival), shown(largest)});
        }
    }
    return {};
}

Result<ChanceResult> runChance(const ChancePopulation& population, const ChanceSettings& settings,
                               const ChanceControl& control)
{
    if (Result<void> checked = checkChance(population, settings); !checked)
        return checked.error();
    const LongTermOutlook outlook = *analyseLongTerm(population.matrix);
    const int classes = population.matrix.classes();
    const int replicates = settings.replicates;
    const int steps = settings.steps;

    ChanceResult result;
    result.settings = settings;
    result.classes = classes;
    result.lambdaAverageMatrix = outlook.lambda;

    std::vector<double> start = population.initial;
    if (settings.demographic)
        for (double& n : start)
            n = std::round(n);

    const RateVariation variation =
        rateVariation(population.matrix, settings.environmental, settings.cvFecundity, settings.cvSurvival,
                      settings.goodAndBadYears);
    IndividualRules rules;
    rules.demographic = settings.demographic;
    if (!population.youngPerSurvivor.empty())
        rules.breedingSurvival = breedingSurvival(population.matrix, population.youngPerSurvivor);

    const bool growthRun = settings.environmental && !settings.demographic && outlook.lambda > 0;
    // The share done, from the replicates' steps and the long run's
    // intervals, which run side by side.
    const double allWork = static_cast<double>(replicates) * steps + (growthRun ? kGrowthRunIntervals : 0);
    std::mutex reporting;
    double replicatesDone = 0;
    double growthDone = 0;
    auto report = [&](double* part, double done) {
        const std::lock_guard lock(reporting);
        *part = done;
        if (control.progress)
            control.progress(std::min(1.0, (replicatesDone + growthDone) / allWork));
    };

    int threads =
        control.threads > 0 ? control.threads : static_cast<int>(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, replicates);
    result.threads = threads;

    std::unique_ptr<ReplicateRun> run;
    std::vector<std::unique_ptr<ChanceStepper>> steppers;
    std::unique_ptr<StepQuantiles> quantiles;
    try {
        run = std::make_unique<ReplicateRun>(settings, control.cancel, classes);
        for (int k = 0; k < threads; ++k)
            steppers.push_back(std::make_unique<ChanceStepper>(variation, rules));
        run->stateSize = steppers.front()->stateSize();
        run->numbers.resize(static_cast<std::size_t>(replicates) * classes);
        run->states.resize(static_cast<std::size_t>(replicates) * run->stateSize);
        run->totals.resize(replicates);
        run->lostAt.assign(replicates, steps + 1);
        quantiles = std::make_unique<StepQuantiles>(replicates);
        for (auto* series : {&result.medianTotal, &result.quantile05Total, &result.quantile25Total,
                             &result.quantile75Total, &result.quantile95Total})
            series->resize(steps + 1);
        result.finalTotals.resize(replicates);
        result.sampleTotals.assign(std::min(replicates, kChanceSampleRuns), std::vector<double>(steps + 1));
    } catch (const std::bad_alloc&) {
        return explained(
            sourceText("dalvo::Error", "There is not enough memory for %1 replicates of %2 age classes."),
            {std::to_string(replicates), std::to_string(classes)});
    }

    // Runs on one worker while the others wait, between two steps.
    int step = 0;
    auto betweenSteps = [&]() noexcept {
        if (control.cancel != nullptr && control.cancel->load(std::memory_order_relaxed)) {
            run->stopped = true;
            return;
        }
        double q[5];
        quantiles->find(run->totals, q);
        result.quantile05Total[step] = q[0];
        result.quantile25Total[step] = q[1];
        result.medianTotal[step] = q[2];
        result.quantile75Total[step] = q[3];
        result.quantile95Total[step] = q[4];
        for (std::size_t k = 0; k < result.sampleTotals.size(); ++k)
            result.sampleTotals[k][step] = run->totals[k];
        if (step == steps)
            std::copy(run->totals.begin(), run->totals.end(), result.finalTotals.begin());
        report(&replicatesDone, static_cast<double>(replicates) * step);
        ++step;
        run->stopped = step > steps;
        run->nextChunk.store(0, std::memory_order_relaxed);
    };
    std::barrier sync(threads, betweenSteps);
    auto worker = [&](ChanceStepper& stepper) {
        while (true) {
            workOnStep(*run, stepper, start, step);
            sync.arrive_and_wait();
            if (run->stopped)
                return;
        }
    };
    // The long run draws from a stream of its own, so it can run beside the
    // replicates on a thread of its own.
    std::optional<StochasticGrowth> growth;
    auto runLong = [&] {
        growth = simulateGrowth(variation, rules, outlook.stableDistribution, settings.seed,
                                kGrowthRunIntervals, kGrowthRunBatches, control.cancel,
                                [&](double share) { report(&growthDone, share * kGrowthRunIntervals); });
    };
    bool longRunWaits = false;
    {
        std::jthread longRun;
        try {
            if (growthRun)
                longRun = std::jthread(runLong);
        } catch (const std::system_error&) {
            longRunWaits = true;
        }
        std::vector<std::jthread> helpers;
        try {
            for (int k = 1; k < threads; ++k)
                helpers.emplace_back(worker, std::ref(*steppers[k]));
        } catch (const std::system_error&) {
            // Fewer threads do the same work: the barrier stops waiting for the missing ones.
            for (int k = static_cast<int>(helpers.size()) + 1; k < threads; ++k)
                sync.arrive_and_drop();
            result.threads = static_cast<int>(helpers.size()) + 1;
        }
        worker(*steppers.front());
    }
    if (step <= steps)
        return explained(kChanceCancelled);
    if (longRunWaits)
        runLong();

    std::vector<int> lostBy(steps + 2, 0);
    for (int at : run->lostAt)
        ++lostBy[at];
    int lost = lostBy[0];
    for (int t = 1; t <= steps; ++t) {
        lost += lostBy[t];
        double lower = 0;
        double upper = 0;
        wilson(lost, replicates, lower, upper);
        result.lossProbability.push_back(static_cast<double>(lost) / replicates);
        result.lossLower.push_back(lower);
        result.lossUpper.push_back(upper);
    }
    run.reset();

    std::vector<double> expected = start;
    result.expectedTotal.reserve(steps + 1);
    double total = 0;
    for (int t = 0; t <= steps; ++t) {
        // Past the largest double the total is infinite, and 0 x infinity
        // would turn the following steps into NaN.
        if (t > 0 && std::isfinite(total))
            project(population.matrix, expected, expected);
        if (std::isfinite(total)) {
            total = 0;
            for (double n : expected)
                total += n;
            if (!std::isfinite(total))
                total = HUGE_VAL;
        }
        result.expectedTotal.push_back(total);
    }

    if (settings.environmental)
        result.exactExtinctionReason = NotGivenReason::EnvironmentalVariationOnly;
    else if (!(settings.threshold > 0 && settings.threshold <= 1))
        result.exactExtinctionReason = NotGivenReason::ThresholdNotExtinction;
    else
        result.exactExtinction =
            extinctionByStep(population.matrix, population.youngPerSurvivor, start, steps);

    if (settings.demographic)
        result.growthReason = NotGivenReason::DemographicChance;
    else if (!settings.environmental)
        result.growthReason = NotGivenReason::NoEnvironmentalVariation;
    else if (outlook.lambda == 0)
        result.growthReason = NotGivenReason::MatrixDiesOut;
    if (growthRun) {
        if (control.cancel != nullptr && control.cancel->load())
            return explained(kChanceCancelled);
        if (growth) {
            result.logLambdaS = growth->logLambdaS;
            result.logLambdaSLower = growth->lower;
            result.logLambdaSUpper = growth->upper;
        } else {
            result.growthReason = NotGivenReason::MatrixDiesOut;
        }
        result.logLambdaSTuljapurkar = tuljapurkarLogLambdaS(variation, outlook);
    }
    report(&growthDone, growthRun ? kGrowthRunIntervals : 0);
    return result;
}

}  // namespace dalvo
