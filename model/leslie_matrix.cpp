// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/leslie_matrix.h"

#include <cassert>

namespace dalvo {

void project(const LeslieMatrix& matrix, std::span<const double> now, std::span<double> next)
{
    const std::size_t classes = matrix.fecundity.size();
    assert(now.size() >= classes && next.size() >= classes && matrix.survival.size() + 1 >= classes);
    double births = 0;
    for (std::size_t j = 0; j < classes; ++j)
        births += matrix.fecundity[j] * now[j];
    // Filled from the top down after the births are summed, so `next` may be
    // `now` itself.
    for (std::size_t j = classes; j-- > 1;)
        next[j] = matrix.survival[j - 1] * now[j - 1];
    next[0] = births;
}

}  // namespace dalvo
