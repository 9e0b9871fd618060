// The pieces every chart description is built from: series along the steps, the axes that hold them, the λ guide line.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "model/long_term_outlook.h"
#include "model/number_text.h"
#include "presentation/chart_description.h"

namespace dalvo {

enum class ValueScale { Linear, Logarithmic };

// A point the plot cannot place is left out: a value that is not finite, or
// on a logarithmic axis one that is not above zero.
bool placeable(double y, ValueScale scale);

// A series of the points (t, valueAt(t)) for t = 0..count-1, its line
// broken wherever a value is left out.
template <typename ValueAt>
ChartSeries seriesAlongTime(std::string name, SeriesLook look, int count, ValueScale scale, ValueAt valueAt)
{
    ChartSeries series{std::move(name), {}, look, {}};
    series.points.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    bool gap = false;
    for (int t = 0; t < count; ++t) {
        const double y = valueAt(t);
        if (!placeable(y, scale)) {
            gap = !series.points.empty();
            continue;
        }
        if (gap)
            series.breaks.push_back(series.points.size());
        gap = false;
        series.points.push_back({static_cast<double>(t), y});
    }
    return series;
}

// Every chart runs along the steps of a run, so the time axis counts in whole
// steps; the value axis holds the points and the guide lines, and spans at
// least `leastValueShare` of its largest magnitude.
void fitAxes(ChartDescription& chart, ValueScale scale, double leastValueShare = 0.0);

// The rate is kept in single precision, and one that has settled, or that an
// imprimitive matrix started from its stable shares keeps level, still
// flickers in its last digits. Its axis spans at least a fifth of the rate,
// as it would around a rate that never changes, so that the flicker is not
// drawn as wide swings.
inline constexpr double kLeastRateShare = 0.2;

// The dashed line at λ on a growth-rate chart, captioned with its value; none
// while λ is 0 (the population dies out and no rate settles anywhere).
std::optional<GuideLine> lambdaGuide(const LongTermOutlook& outlook, const NumberLocale& locale);

}  // namespace dalvo
