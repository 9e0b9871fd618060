// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "tests/app/history_consistency.h"

#include <cmath>
#include <limits>
#include <sstream>

namespace dalvo::testing_walk {

namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

std::string describe(const char* what, int step, double expected, double actual)
{
    std::ostringstream out;
    out.precision(17);
    out << what << " at step " << step << ": expected " << expected << ", found " << actual;
    return out.str();
}

// NTotal(t) is the four NAge(i, t) added in the order i = 0..3 from 0. Added
// in any other order the sum moves by at most three roundings, each no more
// than an epsilon of the sum of the magnitudes; cancellation between signs
// makes the magnitudes, not the result, the right scale.
std::string totalInconsistency(const History& history, int t)
{
    double sum = 0;
    double magnitude = 0;
    for (int i = 0; i < kAgeClasses; ++i) {
        if (!std::isfinite(history.step(t).counts[i]))
            return describe("a number of individuals that is not finite", t, 0, history.step(t).counts[i]);
        sum += history.step(t).counts[i];
        magnitude += std::fabs(history.step(t).counts[i]);
    }
    if (std::fabs(history.step(t).total - sum) > 4 * kEpsilon * magnitude)
        return describe("NTotal is not the sum of NAge", t, sum, history.step(t).total);
    return {};
}

// AgeProp(i, t) is one division, NAge(i, t) / NTotal(t), rounded once: within
// an epsilon of the exact quotient. Their sum is 1 up to those roundings and
// three additions, each bounded by an epsilon of the sum of the magnitudes
// of the proportions.
std::string proportionInconsistency(const History& history, int t)
{
    const double total = history.step(t).total;
    if (total == 0)
        return {};  // no individuals, no age distribution to compare
    double sum = 0;
    double magnitude = 0;
    for (int i = 0; i < kAgeClasses; ++i) {
        const double expected = history.step(t).counts[i] / total;
        const double found = history.step(t).proportions[i];
        if (std::fabs(found - expected) > kEpsilon * std::fabs(expected))
            return describe("AgeProp is not NAge / NTotal", t, expected, found);
        sum += found;
        magnitude += std::fabs(found);
    }
    if (std::fabs(sum - 1) > 8 * kEpsilon * magnitude)
        return describe("the proportions of AgeProp do not add up to 1", t, 1, sum);
    return {};
}

// The change and the growth rate of interval k are computed from the two
// stored totals and stored with one rounding each: the growth rate rounded
// to the 32-bit float it is kept in, so they must match exactly.
std::string intervalInconsistency(const History& history, int k)
{
    const double change = history.step(k + 1).total - history.step(k).total;
    if (history.change(k) != change)
        return describe("DeltaN is not the change of NTotal", k, change, history.change(k));
    const float growthRate = static_cast<float>(history.step(k + 1).total / history.step(k).total);
    if (history.growthRate(k) != growthRate)
        return describe("GrowthRate is not NTotal(k + 1) / NTotal(k)", k, growthRate, history.growthRate(k));
    return {};
}

}  // namespace

std::string historyInconsistency(const History& history)
{
    if (history.stepCount() < 0 || history.stepCount() > kLastStep)
        return "StepCount " + std::to_string(history.stepCount()) + " lies outside 0.." +
               std::to_string(kLastStep);
    for (int t = 0; t <= history.stepCount(); ++t) {
        if (std::string problem = totalInconsistency(history, t); !problem.empty())
            return problem;
        if (std::string problem = proportionInconsistency(history, t); !problem.empty())
            return problem;
    }
    for (int k = 0; k < history.stepCount(); ++k)
        if (std::string problem = intervalInconsistency(history, k); !problem.empty())
            return problem;
    return {};
}

}  // namespace dalvo::testing_walk
