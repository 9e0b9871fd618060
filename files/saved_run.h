// The saved run: the history as comma-separated records, at full precision or rounded.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string>

#include "model/history.h"
#include "model/result.h"

namespace dalvo {

enum class SavePrecision {
    Full,     // every value as the history holds it
    Rounded,  // numbers and totals to 3 decimals, proportions to 4
};

// The quoted header and one record per step 0..StepCount, each ending in
// CR LF. Numbers always use a period, whatever the student's locale, so that
// the comma stays unambiguous as the field separator.
Result<std::string> savedRunText(const History& history, SavePrecision precision);

// Saves the run in one piece: on failure the file at `path` keeps
// what it held before.
Result<void> saveRunFile(const History& history, SavePrecision precision, const std::string& path);

}  // namespace dalvo
