// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "presentation/own_population_charts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>

#include "model/character_class.h"
#include "model/source_text.h"
#include "presentation/chart_building.h"

namespace dalvo {

namespace {

// More lines than this on one chart run into each other.
constexpr int kDefaultDrawnClasses = 6;

const Colour kBlack{0, 0, 0};
const Colour kLightGrey{192, 192, 192};
const Colour kPredictionGrey{80, 80, 80};

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

ChartDescription ownChart(std::string title, std::string valueTitle)
{
    ChartDescription chart;
    chart.title = std::move(title);
    chart.time = {sourceText("dalvo::ChartDescription", "Time step t"), {}, kLightGrey};
    chart.value = {std::move(valueTitle), {}, kBlack};
    return chart;
}

SeriesLook lineLook(Colour colour, bool dashed = false)
{
    SeriesLook look;
    look.fill = colour;
    look.dashed = dashed;
    return look;
}

int stepCount(const PopulationProjection& projection)
{
    return static_cast<int>(projection.totals.size());
}

double valueOr(const std::optional<double>& value)
{
    return value.value_or(kNoValue);
}

template <typename T>
const T* at(const std::vector<T>& values, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < values.size() ? &values[static_cast<std::size_t>(index)]
                                                                            : nullptr;
}

// Reads the whole digits at the front of `text` as a class number.
std::optional<int> leadingClass(std::string_view& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

void skipBlanks(std::string_view& text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
}

}  // namespace

std::vector<int> defaultDrawnClasses(int classes)
{
    std::vector<int> drawn;
    if (classes <= kDefaultDrawnClasses) {
        for (int j = 0; j < classes; ++j)
            drawn.push_back(j);
        return drawn;
    }
    // Spread evenly: with more classes than drawn, neighbours never round to
    // the same class.
    for (int k = 0; k < kDefaultDrawnClasses; ++k)
        drawn.push_back(static_cast<int>(std::lround(static_cast<double>(k) * (classes - 1) / (kDefaultDrawnClasses - 1))));
    return drawn;
}

Result<std::vector<int>> parseDrawnClasses(std::string_view text, int classes)
{
    const auto separates = [](char c) { return c == ',' || isBlank(c); };
    const auto skipSeparators = [&](std::string_view& rest) {
        while (!rest.empty() && separates(rest.front()))
            rest.remove_prefix(1);
    };
    std::vector<int> drawn;
    std::string_view rest = text;
    skipSeparators(rest);
    if (rest.empty())
        return explained(sourceText("dalvo::Error", "Enter the classes to draw, such as 0-3, 10, 20."));
    while (!rest.empty()) {
        // A part is a class, or two joined by a hyphen with or without blanks around it.
        const std::string_view part = rest;
        const std::optional<int> first = leadingClass(rest);
        std::optional<int> last = first;
        std::string_view afterFirst = rest;
        skipBlanks(afterFirst);
        if (first && !afterFirst.empty() && afterFirst.front() == '-') {
            afterFirst.remove_prefix(1);
            skipBlanks(afterFirst);
            rest = afterFirst;
            last = leadingClass(rest);
        }
        const bool partEnds = rest.empty() || separates(rest.front());
        if (!first || !last || !partEnds || std::min(*first, *last) < 0 || std::max(*first, *last) >= classes) {
            while (!rest.empty() && !separates(rest.front()))
                rest.remove_prefix(1);
            std::string_view shown = part.substr(0, part.size() - rest.size());
            while (!shown.empty() && isBlank(shown.back()))
                shown.remove_suffix(1);
            return explained(
                sourceText("dalvo::Error", "\"%1\" is not a class or a range of classes from 0 to %2."),
                {std::string(shown), std::to_string(std::max(classes - 1, 0))});
        }
        for (int j = std::min(*first, *last); j <= std::max(*first, *last); ++j)
            drawn.push_back(j);
        skipSeparators(rest);
    }
    std::sort(drawn.begin(), drawn.end());
    drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());
    return drawn;
}

ChartDescription ownTotalChart(const PopulationStudy& study, bool logScale, const NumberLocale&)
{
    const ValueScale scale = logScale ? ValueScale::Logarithmic : ValueScale::Linear;
    const PopulationProjection& projection = study.projection;
    ChartDescription chart = ownChart(sourceText("dalvo::ChartDescription", "Total population"), "S(t)");
    chart.series.push_back(seriesAlongTime("S(t)", lineLook(seriesColour(0)), stepCount(projection), scale,
                                           [&](int t) { return projection.totals[static_cast<std::size_t>(t)]; }));
    fitAxes(chart, scale);
    return chart;
}

ChartDescription ownGrowthRateChart(const PopulationStudy& study, const NumberLocale& locale)
{
    const PopulationProjection& projection = study.projection;
    ChartDescription chart = ownChart(sourceText("dalvo::ChartDescription", "Growth rate"), "N(t+1)/N(t)");
    chart.series.push_back(seriesAlongTime(
        "N(t+1)/N(t)", lineLook(seriesColour(0)), static_cast<int>(projection.growthRates.size()), ValueScale::Linear,
        [&](int t) { return valueOr(projection.growthRates[static_cast<std::size_t>(t)]); }));
    if (study.outlook)
        if (std::optional<GuideLine> guide = lambdaGuide(*study.outlook, locale))
            chart.guides.push_back(std::move(*guide));
    fitAxes(chart, ValueScale::Linear, kLeastRateShare);
    return chart;
}

ChartDescription ownDistributionChart(const PopulationStudy& study, const std::vector<int>& drawnClasses,
                                      const NumberLocale& locale)
{
    const PopulationProjection& projection = study.projection;
    ChartDescription chart = ownChart(sourceText("dalvo::ChartDescription", "Age distribution"),
                                     sourceText("dalvo::ChartDescription", "Proportion"));
    chart.legend = true;
    int drawn = 0;
    for (int j : drawnClasses) {
        if (j < 0 || j >= projection.classes)
            continue;
        // Named by symbol rather than by word, so that the name needs no translation.
        const std::string name = "D(t, " + formatGeneral(j, locale) + ")";
        const Colour colour = seriesColour(drawn++);
        chart.series.push_back(seriesAlongTime(name, lineLook(colour), static_cast<int>(projection.distributions.size()),
                                               ValueScale::Linear, [&](int t) {
                                                   const auto& shares = projection.distributions[static_cast<std::size_t>(t)];
                                                   const double* share = shares ? at(*shares, j) : nullptr;
                                                   return share ? *share : kNoValue;
                                               }));
        if (study.outlook)
            if (const double* stable = at(study.outlook->stableDistribution, j); stable && std::isfinite(*stable))
                chart.guides.push_back({*stable, colour, {}, {}, {}});
    }
    fitAxes(chart, ValueScale::Linear);
    return chart;
}

ChartDescription convergenceChart(const PopulationStudy& study, const NumberLocale&)
{
    const PopulationProjection& projection = study.projection;
    ChartDescription chart = ownChart(
        sourceText("dalvo::ChartDescription", "Distance from the stable distribution"), "Σ |D(t, j) − w(j)|");
    chart.legend = true;
    chart.legendBelow = true;
    chart.series.push_back(seriesAlongTime(sourceText("dalvo::ChartDescription", "Distance"),
                                           lineLook(seriesColour(0)),
                                           static_cast<int>(projection.distanceFromStable.size()),
                                           ValueScale::Logarithmic, [&](int t) {
                                               return valueOr(projection.distanceFromStable[static_cast<std::size_t>(t)]);
                                           }));
    // Once the distance is down to the rounding noise of the shares it stops
    // falling, while the prediction goes on; drawn further, the prediction
    // would stretch the axis over decades that the run never reaches.
    double lowestDistance = std::numeric_limits<double>::infinity();
    for (const ChartPoint& point : chart.series.front().points)
        lowestDistance = std::min(lowestDistance, point.y);
    chart.series.push_back(seriesAlongTime(
        sourceText("dalvo::ChartDescription", "Predicted by the damping ratio"),
        lineLook(kPredictionGrey, true),
        static_cast<int>(projection.predictedDistance.size()), ValueScale::Logarithmic, [&](int t) {
            const double predicted = valueOr(projection.predictedDistance[static_cast<std::size_t>(t)]);
            return predicted >= lowestDistance ? predicted : kNoValue;
        }));
    // Without a damping ratio (a run that dies out, or one that never
    // settles) there is nothing to predict, and no legend entry for it.
    if (chart.series.back().points.empty())
        chart.series.pop_back();
    fitAxes(chart, ValueScale::Logarithmic);
    return chart;
}

}  // namespace dalvo
