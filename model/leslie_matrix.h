// A Leslie matrix of 1..101 age classes and the one projection step N(t+1) = M N(t) every run uses.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <span>
#include <vector>

namespace dalvo {

inline constexpr int kMaxAgeClasses = 101;

// Fecundities F(0..n) on the first row, survival rates P(0..n-1) on the
// sub-diagonal; every other entry is 0. A survival rate out of the last class
// would carry it past the matrix, so there is none.
struct LeslieMatrix {
    std::vector<double> fecundity;
    std::vector<double> survival;

    int classes() const { return static_cast<int>(fecundity.size()); }
    bool operator==(const LeslieMatrix&) const = default;
};

// `next` receives M x `now` (it may be `now`); both hold one value per class. The births add up
// from class 0 upwards, so a run gives the same digits wherever it is projected.
void project(const LeslieMatrix& matrix, std::span<const double> now, std::span<double> next);

}  // namespace dalvo
