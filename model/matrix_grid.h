// A typed cell of the 4 x 4 grid in which the main window and the editor lay out a four-class matrix.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <array>

#include "model/history.h"
#include "model/leslie_matrix.h"

namespace dalvo {

// The grid's cells are listed row by row; `index` is a cell's place in that list.
struct MatrixCell {
    int row = 0;
    int column = 0;

    static constexpr MatrixCell atIndex(int index) { return {index / kAgeClasses, index % kAgeClasses}; }
    constexpr int index() const { return row * kAgeClasses + column; }
    // Fecundities on row 0, survival rates just below the diagonal.
    constexpr bool isFecundity() const { return row == 0; }
    constexpr bool isSurvival() const { return row == column + 1; }
    bool operator==(const MatrixCell&) const = default;
};

inline constexpr int kGridCells = kAgeClasses * kAgeClasses;

// Every cell of the grid, row by row.
constexpr std::array<MatrixCell, kGridCells> gridCells()
{
    std::array<MatrixCell, kGridCells> cells{};
    for (int i = 0; i < kGridCells; ++i)
        cells[static_cast<std::size_t>(i)] = MatrixCell::atIndex(i);
    return cells;
}

// The entry of `matrix` in `cell`; 0 off the first row and the sub-diagonal
// and beyond the matrix's classes.
double matrixCell(const LeslieMatrix& matrix, MatrixCell cell);

// Writes `value` into that cell; false, changing nothing, for a cell that is
// not an entry of the matrix.
bool setMatrixCell(LeslieMatrix& matrix, MatrixCell cell, double value);

}  // namespace dalvo
