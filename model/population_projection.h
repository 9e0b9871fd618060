// A population of any number of classes projected from N(0) for a number of steps, with how fast it nears the stable distribution.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <optional>
#include <vector>

#include "model/leslie_matrix.h"
#include "model/long_term_outlook.h"

namespace dalvo {

// The most steps the "Own population" window projects.
inline constexpr int kMostProjectionSteps = 1000;

// Steps t = 0..steps. A total that reaches 0 (or stops being finite) leaves
// the growth rate and the distribution of that step empty, and every later
// step too; the numbers themselves are kept while they are finite.
struct PopulationProjection {
    int classes = 0;
    int steps = 0;
    std::vector<std::vector<double>> numbers;                 // N(t), one vector per step
    std::vector<double> totals;                               // S(t)
    std::vector<std::optional<double>> growthRates;           // S(t+1) / S(t), t = 0..steps-1
    std::vector<std::optional<std::vector<double>>> distributions;  // N(t) / S(t)
    // Σ_j |D(t, j) - w(j)|; empty without a stable distribution or a distribution.
    std::vector<std::optional<double>> distanceFromStable;
    // What the damping ratio predicts: distance(0) × (|λ2| / λ)^t; empty
    // without a damping ratio or a distance at step 0.
    std::vector<std::optional<double>> predictedDistance;
};

// `outlook` may be empty (a matrix that cannot be analysed): then there is
// no distance and no prediction. `steps` is clamped to 0..kMostProjectionSteps.
PopulationProjection projectPopulation(const LeslieMatrix& matrix, const std::vector<double>& initial, int steps,
                                       const LongTermOutlook* outlook);

}  // namespace dalvo
