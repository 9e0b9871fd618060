// The "Own population" window's four projection charts, worked out without Qt: total, growth rate, age distribution, convergence.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <vector>

#include "model/number_text.h"
#include "model/own_population.h"
#include "presentation/chart_description.h"

namespace dalvo {

// Classes drawn one by one when the student has not chosen: all of up to six
// classes, else six spread evenly from the first to the last.
std::vector<int> defaultDrawnClasses(int classes);

// Reads a choice such as "0-3, 10, 20" (class numbers, ranges with a hyphen,
// separated by commas or blanks). Fails naming the part that is not a class
// of 0..classes-1.
Result<std::vector<int>> parseDrawnClasses(std::string_view text, int classes);

// The total S(t), with the "Log scale" box.
ChartDescription ownTotalChart(const PopulationStudy& study, bool logScale, const NumberLocale& locale);
// S(t+1)/S(t), with λ as a dashed guide line.
ChartDescription ownGrowthRateChart(const PopulationStudy& study, const NumberLocale& locale);
// D(t, j) of the drawn classes, each with w(j) as a dashed guide line in its colour.
ChartDescription ownDistributionChart(const PopulationStudy& study, const std::vector<int>& drawnClasses,
                                      const NumberLocale& locale);
// Σ|D(t) - w| on a log scale, and the damping ratio's prediction as a dashed series.
ChartDescription convergenceChart(const PopulationStudy& study, const NumberLocale& locale);

}  // namespace dalvo
