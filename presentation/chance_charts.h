// The "Chance" tab's two charts, worked out without Qt: the fan of the replicates' totals and the risk of loss.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include "model/chance.h"
#include "presentation/chart_description.h"

namespace dalvo {

// The total over t = 0..steps: the median of the replicates, the bands that
// hold their middle 50 % and 90 %, the first sample runs as thin lines, and
// the projection by the average matrix dashed. On a logarithmic axis a band
// that reaches 0 (runs that died out) runs along the axis' bottom.
ChartDescription chanceFanChart(const ChanceResult& result, bool logScale);

// The share of replicates whose total has fallen below the threshold by step
// t = 1..steps, with its 95 % Wilson band, and the exact probability of
// extinction dashed beside it where the result gives one.
ChartDescription chanceRiskChart(const ChanceResult& result);

}  // namespace dalvo
