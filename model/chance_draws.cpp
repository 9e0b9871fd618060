// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/chance_draws.h"

#include <gsl/gsl_cdf.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_randist.h>
#include <gsl/gsl_rng.h>
#include <gsl/gsl_roots.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <new>

namespace dalvo {

namespace {

std::uint64_t splitmix64(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15u;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9u;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebu;
    return x ^ (x >> 31);
}

std::uint32_t fmix32(std::uint32_t h)
{
    h ^= h >> 16;
    h *= 0x85ebca6bu;
    h ^= h >> 13;
    h *= 0xc2b2ae35u;
    return h ^ (h >> 16);
}

// GSL's default handler aborts the program on a numerical failure; the
// callers here check the answers instead.
void quietGsl()
{
    static std::once_flag once;
    std::call_once(once, [] { gsl_set_error_handler_off(); });
}

// The library's samplers take counts as unsigned int. Past this a binomial
// or Poisson count is drawn from the normal distribution with its mean and
// variance, which differs from it by less than one part in 10^4.
constexpr double kLargestExactCount = 2147483648.0;

double drawSurvivors(gsl_rng* rng, double p, double n)
{
    if (n <= 0 || p <= 0)
        return 0;
    if (p >= 1 || !std::isfinite(n))
        return p * n;
    if (n < kLargestExactCount)
        return gsl_ran_binomial(rng, p, static_cast<unsigned>(n));
    const double drawn = std::round(n * p + std::sqrt(n * p * (1 - p)) * gsl_ran_gaussian_ziggurat(rng, 1.0));
    return std::clamp(drawn, 0.0, n);
}

double drawYoung(gsl_rng* rng, double mean)
{
    if (!(mean > 0))
        return 0;
    if (!std::isfinite(mean))
        return mean;
    if (mean < kLargestExactCount)
        return gsl_ran_poisson(rng, mean);
    return std::max(0.0, std::round(mean + std::sqrt(mean) * gsl_ran_gaussian_ziggurat(rng, 1.0)));
}

}  // namespace

std::uint32_t streamSeed(std::uint64_t seed, std::uint64_t stream)
{
    return fmix32(static_cast<std::uint32_t>(splitmix64(seed)) + static_cast<std::uint32_t>(stream));
}

double betaQuantile(double probability, double a, double b)
{
    quietGsl();
    if (probability <= 0)
        return 0;
    if (probability >= 1)
        return 1;
    const double x = gsl_cdf_beta_Pinv(probability, a, b);
    constexpr double kTolerance = 1e-10;
    if (x >= 0 && x <= 1 &&
        std::abs(gsl_cdf_beta_P(x, a, b) - probability) <=
            kTolerance * std::min(probability, 1 - probability))
        return x;
    // Brent's method from the library on the distribution function.
    thread_local const std::unique_ptr<gsl_root_fsolver, void (*)(gsl_root_fsolver*)> solver(
        gsl_root_fsolver_alloc(gsl_root_fsolver_brent), gsl_root_fsolver_free);
    struct Target {
        double probability, a, b;
    } target{probability, a, b};
    gsl_function missing{[](double at, void* params) {
                             const auto* t = static_cast<const Target*>(params);
                             return gsl_cdf_beta_P(at, t->a, t->b) - t->probability;
                         },
                         &target};
    if (solver == nullptr || gsl_root_fsolver_set(solver.get(), &missing, 0.0, 1.0) != GSL_SUCCESS)
        return std::numeric_limits<double>::quiet_NaN();
    for (int iteration = 0; iteration < 200; ++iteration) {
        gsl_root_fsolver_iterate(solver.get());
        const double low = gsl_root_fsolver_x_lower(solver.get());
        const double high = gsl_root_fsolver_x_upper(solver.get());
        if (gsl_root_test_interval(low, high, 0.0, 4 * std::numeric_limits<double>::epsilon()) == GSL_SUCCESS)
            break;
    }
    return gsl_root_fsolver_root(solver.get());
}

RateVariation rateVariation(const LeslieMatrix& matrix, bool environmental, double cvFecundity,
                            double cvSurvival, bool goodAndBadYears)
{
    RateVariation v;
    v.classes = matrix.classes();
    v.fecundity = matrix.fecundity;
    v.survival = matrix.survival;
    v.environmental = environmental;
    v.comonotone = environmental && goodAndBadYears;
    v.betaA.assign(v.survival.size(), 0.0);
    v.betaB.assign(v.survival.size(), 0.0);
    v.zeta.assign(v.fecundity.size(), 0.0);
    v.sigma.assign(v.fecundity.size(), 0.0);
    if (environmental) {
        for (std::size_t j = 0; j < v.survival.size(); ++j) {
            const double p = v.survival[j];
            const double sd = cvSurvival * p;
            // mean p and variance sd² need a + b = p (1 - p) / sd² - 1 > 0.
            if (p > 0 && p < 1 && sd > 0 && sd * sd < p * (1 - p)) {
                const double sum = p * (1 - p) / (sd * sd) - 1;
                v.betaA[j] = p * sum;
                v.betaB[j] = (1 - p) * sum;
            }
        }
        for (std::size_t j = 0; j < v.fecundity.size(); ++j) {
            const double f = v.fecundity[j];
            if (f > 0 && cvFecundity > 0) {
                const double s2 = std::log1p(cvFecundity * cvFecundity);
                v.sigma[j] = std::sqrt(s2);
                v.zeta[j] = std::log(f) - s2 / 2;
            }
        }
    }
    auto firstSame = [](const std::vector<double>& x, const std::vector<double>& y) {
        std::vector<int> same(x.size());
        for (std::size_t j = 0; j < x.size(); ++j) {
            same[j] = static_cast<int>(j);
            for (std::size_t k = 0; k < j; ++k)
                if (x[k] == x[j] && y[k] == y[j]) {
                    same[j] = static_cast<int>(k);
                    break;
                }
        }
        return same;
    };
    v.sameSurvivalAs = firstSame(v.betaA, v.betaB);
    v.sameFecundityAs = firstSame(v.zeta, v.sigma);
    return v;
}

std::vector<double> breedingSurvival(const LeslieMatrix& matrix, const std::vector<double>& youngPerSurvivor)
{
    std::vector<double> survival = matrix.survival;
    const int last = matrix.classes() - 1;
    const double m = youngPerSurvivor.at(last);
    survival.push_back(m > 0 ? matrix.fecundity[last] / m : 0);
    return survival;
}

ChanceStepper::ChanceStepper(const RateVariation& variation, const IndividualRules& rules)
    : variation_(variation),
      rules_(rules),
      rng_(gsl_rng_alloc(gsl_rng_taus2)),
      fecundity_(variation.fecundity),
      survival_(variation.survival),
      fecundityFresh_(variation.fecundity.size(), 0),
      survivalFresh_(variation.survival.size(), 0)
{
    quietGsl();
    if (rng_ == nullptr)
        throw std::bad_alloc();
}

ChanceStepper::~ChanceStepper()
{
    gsl_rng_free(rng_);
}

std::size_t ChanceStepper::stateSize() const
{
    return gsl_rng_size(rng_);
}

void ChanceStepper::startStream(std::uint64_t seed, std::uint64_t stream)
{
    gsl_rng_set(rng_, streamSeed(seed, stream));
}

void ChanceStepper::loadState(const unsigned char* state)
{
    std::memcpy(gsl_rng_state(rng_), state, gsl_rng_size(rng_));
}

void ChanceStepper::saveState(unsigned char* state) const
{
    std::memcpy(state, gsl_rng_state(rng_), gsl_rng_size(rng_));
}

double ChanceStepper::survivalRate(int j)
{
    const RateVariation& v = variation_;
    if (v.betaA[j] == 0)
        return survival_[j] = v.survival[j];
    if (!v.comonotone)
        return survival_[j] = gsl_ran_beta(rng_, v.betaA[j], v.betaB[j]);
    const int same = v.sameSurvivalAs[j];
    if (survivalFresh_[same] != interval_) {
        survival_[same] = betaQuantile(quantile_, v.betaA[same], v.betaB[same]);
        survivalFresh_[same] = interval_;
    }
    return survival_[j] = survival_[same];
}

double ChanceStepper::fecundityRate(int j)
{
    const RateVariation& v = variation_;
    if (v.sigma[j] == 0)
        return fecundity_[j] = v.fecundity[j];
    if (!v.comonotone)
        return fecundity_[j] = gsl_ran_lognormal(rng_, v.zeta[j], v.sigma[j]);
    const int same = v.sameFecundityAs[j];
    if (fecundityFresh_[same] != interval_) {
        fecundity_[same] = gsl_cdf_lognormal_Pinv(quantile_, v.zeta[same], v.sigma[same]);
        fecundityFresh_[same] = interval_;
    }
    return fecundity_[j] = fecundity_[same];
}

double ChanceStepper::advance(std::span<double> numbers)
{
    const int last = variation_.classes - 1;
    ++interval_;
    if (variation_.comonotone)
        quantile_ = gsl_rng_uniform(rng_);
    const bool demographic = rules_.demographic;
    const bool onlySurvivorsBreed = !rules_.breedingSurvival.empty();
    // From the oldest class down, so that each class is read before its
    // survivors from the class below replace it. The young of all classes
    // together are one Poisson draw: a sum of independent Poisson numbers is
    // Poisson with the summed mean.
    double young = 0;
    double total = 0;
    for (int j = last; j >= 0; --j) {
        const double n = numbers[j];
        double moved = 0;
        if (n > 0) {
            const double f = variation_.fecundity[j] > 0 ? fecundityRate(j) : 0;
            const double p = j < last ? survivalRate(j) : 0;
            // A rate of 0 adds nothing even to a count past the largest
            // double, which would otherwise make it NaN.
            if (!onlySurvivorsBreed) {
                young += f > 0 ? f * n : 0;
                moved = demographic ? drawSurvivors(rng_, p, n) : p > 0 ? p * n : 0;
            } else {
                // Only survivors breed: F̃ = s̃ m̃ with s̃ the breeding survival,
                // drawn for the classes of the matrix and fixed for the last.
                const double s = j < last ? p : rules_.breedingSurvival[j];
                const double survivors = demographic ? drawSurvivors(rng_, s, n) : s > 0 ? s * n : 0;
                if (s > 0 && f > 0)
                    young += f / s * survivors;
                moved = j < last ? survivors : 0;
            }
        }
        if (j < last) {
            numbers[j + 1] = moved;
            total += moved;
        }
    }
    numbers[0] = demographic ? drawYoung(rng_, young) : young;
    return total + numbers[0];
}

}  // namespace dalvo
