// A run with chance as a text file: its settings, its long-run growth, its risk curves and the spread of its totals.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string>

#include "model/chance.h"

namespace dalvo {

// One keyed, comma-separated line per item, CR LF, numbers in the general
// format with a period and an undefined value an empty field, in this order:
// the settings (switches as 0 or 1), the growth figures, the risk of loss and
// the exact risk per step t = 1..steps (empty fields where there is no exact
// one), and the quantiles of the total per step t = 0..steps.
std::string chanceFileText(const ChanceResult& result);

// "<name>-Chance.txt": the save dialog's name for this file.
inline constexpr const char* kChanceSuffix = "-Chance.txt";

}  // namespace dalvo
