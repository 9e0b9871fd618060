// The texts the main window shows for its run's numbers: where numbers become text for the student.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <array>
#include <string>

#include "model/matrix_grid.h"
#include "model/number_text.h"
#include "model/stepwise_run.h"

namespace dalvo {

struct MainFields {
    // Listed row by row as the grid's cells are: row 0 holds the
    // fecundities, the cells below the diagonal the survival rates, every
    // other cell 0.
    std::array<std::string, kGridCells> matrixCells;
    std::array<std::string, kAgeClasses> now;   // N(t)
    std::array<std::string, kAgeClasses> next;  // N(t + 1), empty until projected
    std::string nowTotal;
    std::string nextTotal;
    std::string growthRate;
    std::string nowStep;   // t
    std::string nextStep;  // t + 1

    const std::string& cell(MatrixCell at) const { return matrixCells[static_cast<std::size_t>(at.index())]; }
    bool operator==(const MainFields&) const = default;
};

// The first four classes of `run`, every number in the general format with
// the locale's decimal separator; what is not known yet is empty.
MainFields shownFields(const StepwiseRun& run, const NumberLocale& locale);

}  // namespace dalvo
