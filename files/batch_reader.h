// Reads a batch data file into the matrix, initial numbers and number of steps that one run projects.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/leslie_matrix.h"
#include "model/result.h"

namespace dalvo {

// The highest age index n a data file may give: classes 0..100.
inline constexpr int kBatchLastAge = kMaxAgeClasses - 1;
// The last step T a data file may ask for; the growth rate of step T looks one
// step further.
inline constexpr int kBatchLastStep = kBatchLastAge - 1;

// What one data file asks for. Its labels are never used, so they are not
// kept; neither is P(n), which the file gives but which would carry the last
// class past the matrix. The title goes into the analysis file.
struct BatchData {
    std::string title;
    LeslieMatrix matrix;          // n + 1 classes
    std::vector<double> initial;  // X(0, 0..n)
    int lastStep = 0;             // T; a negative T asks for no step at all
};

// Reads the fields in their fixed order and stops after T; nothing after it
// is looked at. A byte order mark at the start is skipped; an empty line
// where a label belongs is an empty label, while a number is never empty. A
// failure says which field is wrong and on which line.
Result<BatchData> readBatchData(std::string_view text);

}  // namespace dalvo
