// The long-term outlook of a matrix as a text file: one keyed, comma-separated line per quantity.
#pragma once

#include <string>

#include "model/long_term_outlook.h"

namespace dalvo {

// Lines end in CR LF; numbers are in the general format with a period, and an
// undefined value is an empty field. A list that is undefined keeps one empty
// field per class, so every file of a matrix has the same shape.
std::string analysisFileText(const LongTermOutlook& outlook);

// "<stem>-Analysis.txt" beside the data file, as the batch projection writes it.
inline constexpr const char* kAnalysisSuffix = "-Analysis.txt";

}  // namespace dalvo
