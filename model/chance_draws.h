// The random side of chance: each replicate's own stream, a year's rates, an interval of whole individuals.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <gsl/gsl_rng.h>

#include <cstdint>
#include <span>
#include <vector>

#include "model/leslie_matrix.h"

namespace dalvo {

// Replicate k of a run with seed s draws from GSL's taus2 generator seeded
// with streamSeed(s, k) = fmix32(low 32 bits of splitmix64(s) + k), where
// splitmix64 and fmix32 (MurmurHash3's finaliser) are the usual bit mixers.
// fmix32 is one-to-one, so the replicates of one run never share a stream.
std::uint32_t streamSeed(std::uint64_t seed, std::uint64_t stream);
// The long run of the stochastic growth rate draws from stream 2^32 - 1, past any replicate.
inline constexpr std::uint64_t kGrowthRunStream = 0xffffffffu;

// The quantile of a beta distribution. GSL's gsl_cdf_beta_Pinv stops with
// "inverse failed to converge", or answers wrongly, for very large or very
// uneven shapes (a CV of survival of 0.1 on P = 0.97 is one); its answer is
// checked against gsl_cdf_beta_P and, when it misses, found from that by the
// library's Brent solver.
double betaQuantile(double probability, double a, double b);

// How the rates of a year vary, worked out once per run from the matrix and the settings.
struct RateVariation {
    int classes = 0;
    std::vector<double> fecundity;  // F(j), the means
    std::vector<double> survival;   // P(j), j < classes - 1, the means
    // Beta shapes per survival rate; a == 0 marks a rate that stays fixed.
    std::vector<double> betaA, betaB;
    // Lognormal ζ and σ per fecundity; σ == 0 marks a rate that stays fixed.
    std::vector<double> zeta, sigma;
    bool environmental = false;
    bool comonotone = false;  // good and bad years: one quantile for all rates
    // The first class with the same distribution, so that a good or bad year
    // works out each distinct quantile once.
    std::vector<int> sameSurvivalAs, sameFecundityAs;
};
RateVariation rateVariation(const LeslieMatrix& matrix, bool environmental, double cvFecundity,
                            double cvSurvival, bool goodAndBadYears);

// The rules by which individuals survive and breed.
struct IndividualRules {
    bool demographic = true;
    // Empty: every individual breeds whether or not it survives. Otherwise
    // only survivors breed, and this is the survival that lets class j breed:
    // P(j), and for the last class F(n) / m(n+1).
    std::vector<double> breedingSurvival;
};
// The breeding survival of each class when only survivors breed: P(j), and
// F(n) / m(n+1) for the last class (0 when it has no young).
std::vector<double> breedingSurvival(const LeslieMatrix& matrix, const std::vector<double>& youngPerSurvivor);

// One thread's generator and buffers: advances any replicate by one interval
// without allocating. Not shareable between threads.
class ChanceStepper {
public:
    ChanceStepper(const RateVariation& variation, const IndividualRules& rules);
    ~ChanceStepper();
    ChanceStepper(const ChanceStepper&) = delete;
    ChanceStepper& operator=(const ChanceStepper&) = delete;

    // The bytes of the generator's state, kept per replicate between intervals.
    std::size_t stateSize() const;
    void startStream(std::uint64_t seed, std::uint64_t stream);
    void loadState(const unsigned char* state);
    void saveState(unsigned char* state) const;

    // N(t) -> N(t+1) in place; returns the new total.
    double advance(std::span<double> numbers);

private:
    double survivalRate(int j);
    double fecundityRate(int j);

    const RateVariation& variation_;
    const IndividualRules& rules_;
    gsl_rng* rng_;
    double quantile_ = 0;
    std::vector<double> fecundity_, survival_;
    // The interval each comonotone rate was last worked out for.
    std::vector<std::uint64_t> fecundityFresh_, survivalFresh_;
    std::uint64_t interval_ = 0;
};

}  // namespace dalvo
