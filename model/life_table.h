// A life table (survivorship l(x) and fecundity m(x) by age), its usual columns, and the Leslie matrix either census makes of it.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/leslie_matrix.h"
#include "model/long_term_outlook.h"
#include "model/result.h"

namespace dalvo {

// When the population is counted: just before breeding (class j holds the
// individuals of age j + 1) or just after it (class j holds age j).
enum class Census { PreBreeding, PostBreeding };

// Row x is age x = 0, 1, 2, ...; l(0) = 1. Rows after the last age with
// survivors may follow with l(x) = 0.
struct LifeTable {
    std::vector<double> survivorship;  // l(x)
    std::vector<double> fecundity;     // m(x)

    int ages() const { return static_cast<int>(survivorship.size()); }
    bool operator==(const LifeTable&) const = default;
};

// Refuses, naming the row (its age x) and saying what to do: lists of
// different lengths, l(0) not 1, l(x) negative, above 1 or rising, a negative
// or non-finite m(x), an m(0) other than 0 (no matrix holds young born to
// newborns), fewer than two ages with survivors, or a table that would make
// more than kMaxAgeClasses classes.
Result<void> checkLifeTable(const LifeTable& table);

// The same check, with the age apart from what is wrong at it, for readers
// that name the row their own way.
struct LifeTableFault {
    std::optional<int> age;  // none for the table as a whole
    Error problem;           // what is wrong and what to do
};
std::optional<LifeTableFault> findLifeTableFault(const LifeTable& table);

// Ages x = 0..w where w is the last age with l(w) > 0: the matrix has w
// classes. Pre-breeding: F(j) = l(1) m(j+1), P(j) = l(j+2) / l(j+1).
// Post-breeding: P(j) = l(j+1) / l(j), F(j) = P(j) m(j+1). Checks the table first.
Result<LeslieMatrix> matrixFromLifeTable(const LifeTable& table, Census census);

// The life table read off a matrix: age x is class x, l(0) = 1,
// l(x+1) = l(x) P(x), m(x) = F(x); one row per class.
LifeTable lifeTableFromMatrix(const LeslieMatrix& matrix);

// A life table that `census` turns back into `matrix` (to rounding), for a
// student who switches from entering a matrix to entering a life table.
// Pre-breeding: l(0) = 1, l(1) = 1 (the first interval's survival is already
// in F), then l(x+1) = l(x) P(x-1) and m(x+1) = F(x). Post-breeding:
// l(x) = P(0)...P(x-1), m(x+1) = F(x) / P(x); the matrix does not say how many
// of the last class live to breed, and the table lets all of them
// (l(n) = l(n-1), m(n) = F(n-1)). Refuses a matrix with a survival rate of 0
// before its last class: a life table ends at the first age nobody reaches,
// so the classes after it would be lost.
Result<LifeTable> lifeTableMakingMatrix(const LeslieMatrix& matrix, Census census);

// The usual columns, one entry per row of the table; l(x) past the last row
// counts as 0. q(x), p(x) and e(x) are empty where l(x) = 0.
struct LifeTableFigures {
    std::vector<double> deaths;                        // d(x) = l(x) - l(x+1)
    std::vector<std::optional<double>> mortality;      // q(x) = d(x) / l(x)
    std::vector<std::optional<double>> survival;       // p(x) = 1 - q(x)
    std::vector<double> lived;                         // L(x) = (l(x) + l(x+1)) / 2
    std::vector<double> livedAfter;                    // T(x) = Σ_{y >= x} L(y)
    std::vector<std::optional<double>> expectancy;     // e(x) = T(x) / l(x)
    std::vector<double> maternity;                     // l(x) m(x)
    std::vector<double> agedMaternity;                 // x l(x) m(x)
    double netReproductiveRate = 0;                    // R0 = Σ l(x) m(x)
    std::optional<double> cohortGenerationTime;        // Tc = Σ x l(x) m(x) / R0; none when R0 = 0
    double lifeExpectancyAtBirth = 0;                  // e(0)
};
LifeTableFigures lifeTableFigures(const LifeTable& table);

// The three generation times of a matrix, each with ages as the matrix's
// young see them (the young of class j are born at age j + 1):
// the cohort's Tc = Σ a φ(a) / R0, ln R0 / ln λ, and the mean age of the
// mothers of a year's young in the stable population, Σ a φ(a) λ^-a, where
// φ is the net maternity F(j) P(0)...P(j-1). Each is empty where it is
// undefined (R0 = 0; λ = 1 or R0 = 1 for the second; λ = 0).
struct GenerationTimes {
    std::optional<double> cohort;
    std::optional<double> fromGrowth;
    std::optional<double> meanAgeOfMothers;
};
GenerationTimes generationTimes(const LeslieMatrix& matrix, const LongTermOutlook& outlook);

// The textbook shortcut λ ≈ exp(ln R0 / Tc); empty when R0 or Tc is not positive.
std::optional<double> textbookLambda(double netReproductiveRate, std::optional<double> cohortGenerationTime);

}  // namespace dalvo
