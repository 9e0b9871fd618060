// The text of every cell below the headings of the run's two tables: step, age classes, total and growth rate.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string>

#include "model/history.h"
#include "model/number_text.h"

namespace dalvo {

// What the four age columns hold: the numbers in each age class (the age
// structure table) or each class's share of the total (the age distribution
// table).
enum class AgeColumns { Numbers, Proportions };

// Both tables read left to right: the step, the four age classes, the total
// and the growth rate to the next step.
inline constexpr int kStepColumn = 0;
inline constexpr int kTotalColumn = kAgeClasses + 1;
inline constexpr int kGrowthRateColumn = kAgeClasses + 2;
inline constexpr int kTableColumns = kAgeClasses + 3;

// The text of step `t` in `column`, rounded for reading and written by the
// number rule of `locale`. Empty for a step the history does not hold or a
// column the tables do not have.
std::string historyTableText(const History& history, AgeColumns ages, int t, int column,
                             const NumberLocale& locale);

}  // namespace dalvo
