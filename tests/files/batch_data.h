// Batch data files for the tests, built field by field, and a projection to compare against.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string>
#include <vector>

#include "files/batch_projection.h"
#include "files/batch_reader.h"

namespace dalvo::testing_files {

// The example file of the program's documentation: the main window's
// default matrix, N(0) = 10, 0, 0, 0 and 20 steps.
inline const std::string kExampleFile =
    "Example population,3\r\n"
    "Fecundity\r\n"
    "0,1,2,1\r\n"
    "Survival rate\r\n"
    "0.5,1,0.5,0\r\n"
    "Initial numbers\r\n"
    "10,0,0,0\r\n"
    "Number of steps\r\n"
    "20\r\n";

inline std::string joined(const std::vector<std::string>& values)
{
    std::string text;
    for (const std::string& value : values)
        text += (text.empty() ? "" : ",") + value;
    return text;
}

inline std::string dataFile(const std::string& n, const std::vector<std::string>& fecundity,
                            const std::vector<std::string>& survival, const std::vector<std::string>& initial,
                            const std::string& steps)
{
    return "Test population," + n + "\r\nFecundity\r\n" + joined(fecundity) + "\r\nSurvival rate\r\n" +
           joined(survival) + "\r\nInitial numbers\r\n" + joined(initial) + "\r\nNumber of steps\r\n" +
           steps + "\r\n";
}

// Read and projected, as the command does before it writes.
inline Result<ProjectedSteps> readAndProject(const std::string& text)
{
    const Result<BatchData> read = readBatchData(text);
    if (!read)
        return read.error();
    return projectBatch(*read);
}

// The Leslie matrix written out in full and applied as a matrix product:
// an independent route to the numbers of every step 0..steps.
inline std::vector<std::vector<double>> matrixProjection(const std::vector<double>& fecundity,
                                                         const std::vector<double>& survival,
                                                         const std::vector<double>& initial, int steps)
{
    const std::size_t size = fecundity.size();
    std::vector<std::vector<double>> matrix(size, std::vector<double>(size, 0.0));
    for (std::size_t c = 0; c < size; ++c)
        matrix[0][c] = fecundity[c];
    for (std::size_t r = 1; r < size; ++r)
        matrix[r][r - 1] = survival[r - 1];

    std::vector<std::vector<double>> numbers{initial};
    for (int t = 1; t <= steps; ++t) {
        std::vector<double> next(size, 0.0);
        for (std::size_t r = 0; r < size; ++r) {
            for (std::size_t c = 0; c < size; ++c) {
                if (matrix[r][c] != 0)
                    next[r] += matrix[r][c] * numbers.back()[c];
            }
        }
        numbers.push_back(next);
    }
    return numbers;
}

}  // namespace dalvo::testing_files
