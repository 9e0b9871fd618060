// The saved run: the history as comma-separated records, at full precision or rounded.
#pragma once

#include <string>

#include "model/history.h"
#include "model/result.h"

namespace dalvo {

enum class ExportPrecision {
    Full,     // every value as the history holds it
    Rounded,  // numbers and totals to 3 decimals, proportions to 4
};

// The quoted header and one record per step 0..StepCount, each ending in
// CR LF. Numbers always use a period, whatever the student's locale, so that
// the comma stays unambiguous as the field separator.
Result<std::string> exportText(const History& history, ExportPrecision precision);

// Writes the whole file in one piece: on failure the file at `path` keeps
// what it held before.
Result<void> saveRunFile(const History& history, ExportPrecision precision, const std::string& path);

}  // namespace dalvo
