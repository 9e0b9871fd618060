// The exact risk that whole individuals with fixed rates have died out, from their branching process.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <span>
#include <vector>

#include "model/leslie_matrix.h"

namespace dalvo {

// Each individual of class j survives into class j + 1 with probability P(j)
// and leaves Poisson(F(j)) young, independently of everyone else: a
// multitype branching process. q_j(t), the probability that the line of one
// individual of class j is gone t intervals later, follows from q(0) = 0 by
// q_j(t) = [(1 - P(j)) + P(j) q_{j+1}(t-1)] exp(-F(j) (1 - q_0(t-1))),
// with P = 0 for the last class. When only survivors breed
// (`youngPerSurvivor` holds m(j+1) per class, see chance.h), a survivor's
// young come with it:
// q_j(t) = (1 - s(j)) + s(j) q_{j+1}(t-1) exp(-m(j+1) (1 - q_0(t-1))),
// with s the breeding survival and q of the class past the last 1.
// Returns P(extinct by t) = Π_j q_j(t)^N_j(0) for t = 1..steps; `initial`
// holds whole numbers.
std::vector<double> extinctionByStep(const LeslieMatrix& matrix, const std::vector<double>& youngPerSurvivor,
                                     std::span<const double> initial, int steps);

}  // namespace dalvo
