// Texts of the "Own population" window worked out without Qt: derivations, the what-if line, generation times, table cells.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/number_text.h"
#include "model/own_population.h"

namespace dalvo {

// How a derived entry of a life table's matrix came about, with the numbers:
// "F(2) = l(1) × m(3) = 0.424 × 2.065 = 0.87556", "P(0) = l(2) / l(1) = ...".
// `index` is the class j; empty when the table makes no such entry.
std::string fecundityDerivation(const LifeTable& table, Census census, int index, const NumberLocale& locale);
std::string survivalDerivation(const LifeTable& table, Census census, int index, const NumberLocale& locale);

// "λ went from 1.2198 to 1.2409 (+0.0211); its sensitivity to this entry
// predicted +0.0216". Without a prediction only the first half; with either λ
// missing, empty. English source text: the window translates its parts.
struct WhatIfLine {
    std::string before;     // λ before, four decimals
    std::string after;      // λ after
    std::string change;     // signed
    std::optional<std::string> predicted;  // signed, when the sensitivities predict it
};
std::optional<WhatIfLine> whatIfLine(const std::optional<LongTermOutlook>& before, const LeslieMatrix& beforeMatrix,
                                     const std::optional<LongTermOutlook>& after, const LeslieMatrix& afterMatrix,
                                     const NumberLocale& locale);

// The life table as text cells, one row per age, columns x, l(x), d(x), q(x),
// p(x), L(x), T(x), e(x), m(x), l(x)m(x), x l(x)m(x); an undefined value is empty.
std::vector<std::vector<std::string>> lifeTableCells(const LifeTable& table, const LifeTableFigures& figures,
                                                     const NumberLocale& locale);

// The projection as text cells, one row per step: t, N(t, 0..n), S(t), growth rate.
// Tab-separated with a header row for the clipboard.
std::vector<std::vector<std::string>> projectionCells(const PopulationProjection& projection,
                                                      const NumberLocale& locale);
std::string tabSeparated(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows);

}  // namespace dalvo
