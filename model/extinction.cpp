// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/extinction.h"

#include <cmath>

#include "model/chance_draws.h"

namespace dalvo {

std::vector<double> extinctionByStep(const LeslieMatrix& matrix, const std::vector<double>& youngPerSurvivor,
                                     std::span<const double> initial, int steps)
{
    const int classes = matrix.classes();
    const bool onlySurvivorsBreed = !youngPerSurvivor.empty();
    const std::vector<double> survival =
        onlySurvivorsBreed ? breedingSurvival(matrix, youngPerSurvivor) : matrix.survival;
    std::vector<double> q(classes, 0.0);
    std::vector<double> next(classes);
    std::vector<double> byStep;
    byStep.reserve(steps);
    for (int t = 1; t <= steps; ++t) {
        const double alive0 = 1 - q[0];
        for (int j = 0; j < classes; ++j) {
            const bool moves = j + 1 < classes;
            if (onlySurvivorsBreed) {
                const double s = survival[j];
                const double lineAfter = moves ? q[j + 1] : 1.0;
                next[j] = (1 - s) + s * lineAfter * std::exp(-youngPerSurvivor[j] * alive0);
            } else {
                const double p = moves ? survival[j] : 0.0;
                const double lineAfter = moves ? q[j + 1] : 1.0;
                next[j] = ((1 - p) + p * lineAfter) * std::exp(-matrix.fecundity[j] * alive0);
            }
        }
        q.swap(next);
        double logExtinct = 0;
        for (int j = 0; j < classes; ++j)
            if (initial[j] > 0)
                logExtinct += initial[j] * std::log(q[j]);
        byStep.push_back(std::exp(logExtinct));
    }
    return byStep;
}

}  // namespace dalvo
