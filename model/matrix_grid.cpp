// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/matrix_grid.h"

namespace dalvo {

namespace {

// A pointer to the entry, const or not as the matrix is; null off the entries.
template <class Matrix>
auto entryOf(Matrix& matrix, MatrixCell cell) -> decltype(matrix.fecundity.data())
{
    if (cell.column < 0)
        return nullptr;
    const auto column = static_cast<std::size_t>(cell.column);
    if (cell.isFecundity() && column < matrix.fecundity.size())
        return &matrix.fecundity[column];
    if (cell.isSurvival() && column < matrix.survival.size())
        return &matrix.survival[column];
    return nullptr;
}

}  // namespace

double matrixCell(const LeslieMatrix& matrix, MatrixCell cell)
{
    const double* entry = entryOf(matrix, cell);
    return entry ? *entry : 0.0;
}

bool setMatrixCell(LeslieMatrix& matrix, MatrixCell cell, double value)
{
    double* entry = entryOf(matrix, cell);
    if (!entry)
        return false;
    *entry = value;
    return true;
}

}  // namespace dalvo
