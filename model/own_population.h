// A population the student enters or opens (a matrix or a life table, N(0), steps) and everything worked out from it at once.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/leslie_matrix.h"
#include "model/life_table.h"
#include "model/long_term_outlook.h"
#include "model/population_projection.h"
#include "model/result.h"

namespace dalvo {

inline constexpr int kDefaultProjectionSteps = 50;

// `matrix` is always the one projected: for a life table it is the matrix
// the census makes of it. `initial` has one count per class.
struct OwnPopulation {
    std::string title;
    std::optional<LifeTable> lifeTable;  // set when the population was entered as a life table
    Census census = Census::PreBreeding;
    LeslieMatrix matrix;
    std::vector<double> initial;
    int steps = kDefaultProjectionSteps;
};

// A population from a life table: the census's matrix, N(0) = 10 in class 0.
Result<OwnPopulation> populationFromLifeTable(const LifeTable& table, Census census, std::string title = {});

// What every tab shows, worked out once per change.
struct PopulationStudy {
    std::optional<LongTermOutlook> outlook;  // empty when the matrix cannot be analysed
    Error outlookError;                      // why, then
    PopulationProjection projection;
    LifeTable lifeTable;                     // the entered one, or read off the matrix
    bool lifeTableReadOffMatrix = false;
    LifeTableFigures figures;
    GenerationTimes generationTimes;
    std::optional<double> textbookLambda;
};

PopulationStudy studyPopulation(const OwnPopulation& population);

// The first-order change of λ that the sensitivities predict for a change of
// the matrix from `before` to `after` (same number of classes):
// Σ sF(j) ΔF(j) + Σ sP(j) ΔP(j). Empty when the classes differ.
std::optional<double> predictedLambdaChange(const LongTermOutlook& before, const LeslieMatrix& beforeMatrix,
                                            const LeslieMatrix& afterMatrix);

}  // namespace dalvo
