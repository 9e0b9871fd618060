// Long-run growth in a varying environment: log λs simulated, and Tuljapurkar's approximation.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "model/chance_draws.h"
#include "model/long_term_outlook.h"

namespace dalvo {

struct StochasticGrowth {
    double logLambdaS = 0;  // the mean of ln(S(t+1) / S(t)) over the run
    double lower = 0;       // its 95 % interval from batch means
    double upper = 0;
};

// One run of `intervals` with environmental variation alone, from `start`
// (the stable distribution of the average matrix), normalised to a total of 1
// each interval, drawing from stream kGrowthRunStream of `seed`. The interval
// uses Student's t over `batches` batch means. Empty when cancelled or when
// the run dies out.
std::optional<StochasticGrowth> simulateGrowth(const RateVariation& variation, const IndividualRules& rules,
                                               std::span<const double> start, std::uint64_t seed,
                                               int intervals, int batches, const std::atomic<bool>* cancel,
                                               const std::function<void(double)>& progress);

// log λs ≈ ln λ - τ² / (2 λ²), τ² = Σ S_ij S_kl Cov(a_ij, a_kl), with S the
// sensitivities of the average matrix. Independent rates contribute their
// variances alone; in good and bad years all rates are functions of one
// uniform quantile u, so τ² = Var(Σ S_ij a_ij(u)), found by quadrature over
// the normal score of u. Needs λ > 0.
double tuljapurkarLogLambdaS(const RateVariation& variation, const LongTermOutlook& outlook);

}  // namespace dalvo
