// Where a Leslie projection settles: λ, the stable age distribution, reproductive values, damping, sensitivities.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <complex>
#include <optional>
#include <span>
#include <vector>

#include "model/leslie_matrix.h"
#include "model/result.h"

namespace dalvo {

// Every quantity that the matrix leaves undefined is empty: with no class
// that both survives to its age and reproduces (λ = 0) all but λ, R0 and the
// classes are; an imprimitive matrix (period > 1) has no damping ratio or
// oscillation period, and neither has a matrix whose only other eigenvalues
// are 0.
struct LongTermOutlook {
    int classes = 0;
    double lambda = 0;  // the dominant eigenvalue
    std::optional<double> growthExponent;  // r = ln λ
    std::optional<int> period;  // of imprimitivity: 1 when the numbers settle
    std::optional<double> dampingRatio;
    std::optional<double> oscillationPeriod;  // none when the subdominant root is real and positive
    double netReproductiveRate = 0;  // R0
    std::optional<double> generationTime;
    std::vector<double> stableDistribution;  // w, summing to 1
    std::vector<double> reproductiveValues;  // v, with v(0) = 1
    std::vector<double> sensitivityFecundity;  // of λ to F(j), j = 0..n
    std::vector<double> sensitivitySurvival;   // of λ to P(j), j = 0..n-1
    std::vector<double> elasticityFecundity;
    std::vector<double> elasticitySurvival;
    // Every root of the characteristic polynomial, the dominant one first and
    // then by falling modulus; the second is the subdominant λ2.
    std::vector<std::complex<double>> eigenvalues;

    bool diesOut() const { return lambda == 0; }
    // |λ - 1| as a percentage: how much the population grows or shrinks per interval.
    double percentChangePerInterval() const { return (lambda > 1 ? lambda - 1 : 1 - lambda) * 100; }
    // ln 2 / |r|: the intervals to double (λ > 1) or halve (λ < 1); none for λ = 0 or 1.
    std::optional<double> doublingOrHalvingTime() const;
    bool settles() const { return period == 1; }
    // The subdominant root is real and negative: the numbers step above and
    // below the stable path in turn while they settle.
    bool alternates() const;
};

// Refuses a matrix with no class or more than 101, lists of the wrong
// lengths, a negative or non-finite entry, or a survival rate above 1.
Result<LongTermOutlook> analyseLongTerm(const LeslieMatrix& matrix);

// Whether some individual of `initial` (one count per class) is in a class
// from which a class with young is ever reached. When none is, the start
// dies out within the matrix's classes of intervals, whatever λ is.
bool startHasFutureBreeders(const LeslieMatrix& matrix, std::span<const double> initial);

// Every other fecundity is 0: the only young come from the youngest class.
bool onlyYoungestClassBreeds(const LeslieMatrix& matrix);

// Decimals that show `value` to at least `significantDigits` digits and never
// fewer than `fewestDecimals`: 22.0 %, 0.15 %, 0.0041 %.
int decimalsFor(double value, int significantDigits, int fewestDecimals);

// Decimals for a damping ratio: two, or as many as its excess over 1 needs to
// show two digits, so that a ratio close to 1 never reads as 1.00.
int dampingRatioDecimals(double dampingRatio);

// Intervals the differences from the stable distribution take to shrink to a
// tenth; more than kSlowSettling counts as very slow settling.
double intervalsToShrinkTenfold(double dampingRatio);
inline constexpr double kSlowSettling = 50;

// A factor too large to read as a number (λ of 1000 or more) is told as the
// power of ten nearest to it.
int nearestPowerOfTen(double factor);


}  // namespace dalvo
