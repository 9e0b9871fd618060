// The long-term outlook of a matrix as a text file: one keyed, comma-separated line per quantity.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string>
#include <vector>

#include "model/leslie_matrix.h"
#include "model/long_term_outlook.h"

namespace dalvo {

// What an outlook was worked out from: the matrix, the numbers the run starts
// from, and the title of the data file that gave them (empty for the main
// window's run).
struct AnalysisSource {
    std::string title;
    LeslieMatrix matrix;
    std::vector<double> initial;
};

// Lines end in CR LF; numbers are in the general format with a period, and an
// undefined value is an empty field. A list that is undefined keeps one empty
// field per class, so every file of a matrix has the same shape. The source
// follows the outlook's lines, so that readers of those find them where they
// always were; a title with a comma is quoted, as a data file quotes it.
std::string analysisFileText(const LongTermOutlook& outlook, const AnalysisSource& source = {});

// "<stem>-Analysis.txt" beside the data file, as the batch projection writes it.
inline constexpr const char* kAnalysisSuffix = "-Analysis.txt";

}  // namespace dalvo
