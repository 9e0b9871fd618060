// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/population_projection.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace dalvo {

PopulationProjection projectPopulation(const LeslieMatrix& matrix, const std::vector<double>& initial,
                                       int steps, const LongTermOutlook* outlook)
{
    PopulationProjection p;
    p.classes = matrix.classes();
    p.steps = std::clamp(steps, 0, kMostProjectionSteps);
    const std::size_t classes = static_cast<std::size_t>(p.classes);
    const std::size_t count = static_cast<std::size_t>(p.steps) + 1;

    // A survival list of the wrong length would make a step read past it.
    LeslieMatrix m = matrix;
    m.survival.resize(classes > 0 ? classes - 1 : 0, 0.0);

    p.numbers.reserve(count);
    p.numbers.emplace_back(classes, 0.0);
    std::copy_n(initial.begin(), std::min(initial.size(), classes), p.numbers.front().begin());
    for (std::size_t t = 1; t < count; ++t) {
        p.numbers.emplace_back(classes);
        project(m, p.numbers[t - 1], p.numbers[t]);
    }

    const std::vector<double>* stable = outlook != nullptr && outlook->stableDistribution.size() == classes
                                            ? &outlook->stableDistribution
                                            : nullptr;
    p.totals.reserve(count);
    p.distributions.reserve(count);
    p.distanceFromStable.reserve(count);
    bool alive = true;
    for (std::size_t t = 0; t < count; ++t) {
        const std::vector<double>& n = p.numbers[t];
        const double total = std::accumulate(n.begin(), n.end(), 0.0);
        p.totals.push_back(total);
        alive = alive && total > 0 && std::isfinite(total);
        if (!alive) {
            p.distributions.emplace_back();
            p.distanceFromStable.emplace_back();
            continue;
        }
        std::vector<double> d(classes);
        for (std::size_t j = 0; j < classes; ++j)
            d[j] = n[j] / total;
        if (stable != nullptr) {
            double distance = 0;
            for (std::size_t j = 0; j < classes; ++j)
                distance += std::abs(d[j] - (*stable)[j]);
            p.distanceFromStable.emplace_back(distance);
        } else {
            p.distanceFromStable.emplace_back();
        }
        p.distributions.emplace_back(std::move(d));
    }

    p.growthRates.reserve(count - 1);
    for (std::size_t t = 0; t + 1 < count; ++t) {
        const bool defined = p.distributions[t].has_value() && std::isfinite(p.totals[t + 1]);
        p.growthRates.push_back(defined ? std::optional<double>(p.totals[t + 1] / p.totals[t])
                                        : std::nullopt);
    }

    p.predictedDistance.reserve(count);
    const bool predicted = outlook != nullptr && outlook->dampingRatio && p.distanceFromStable.front();
    for (std::size_t t = 0; t < count; ++t) {
        if (predicted)
            p.predictedDistance.emplace_back(*p.distanceFromStable.front() /
                                             std::pow(*outlook->dampingRatio, static_cast<double>(t)));
        else
            p.predictedDistance.emplace_back();
    }
    return p;
}

}  // namespace dalvo
