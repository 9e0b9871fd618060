// The five charts of the chart window dalvofig, and the one that "Graph" draws, written into MSChart1's
// state.
#pragma once

#include <string>

#include "model/history.h"
#include "model/result.h"
#include "views/charts/chart_state.h"

namespace dalvo {

// Each chart reads the history up to stepCount() and rewrites only the
// settings it names; everything else in the chart stays as the previous
// chart left it. A step count outside 0..kLastStep leaves the chart as it was
// and comes back as an error.
Result<void> ShowPopulationSize(ChartState& chart, const History& history);
Result<void> ShowGrowthRate(ChartState& chart, const History& history);
Result<void> ShowChangeRate(ChartState& chart, const History& history);
Result<void> ShowAgeStructure(ChartState& chart, const History& history);
Result<void> ShowAgeDistribution(ChartState& chart, const History& history);

// The age-structure chart of the main window's "Graph": like
// ShowAgeStructure, but the series keep the look the chart last gave them.
Result<void> GraphAgeStructure(ChartState& chart, const History& history);

// "age", a blank, then the class number with a blank for its sign: "age  0".
std::string ageLabel(int ageClass);

}  // namespace dalvo
