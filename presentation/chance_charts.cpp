// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "presentation/chance_charts.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "model/source_text.h"
#include "presentation/chart_building.h"

namespace dalvo {

namespace {

const Colour kBlack{0, 0, 0};
const Colour kLightGrey{192, 192, 192};
const Colour kMedianBlue{8, 69, 148};
const Colour kMiddleBand{107, 174, 214};
const Colour kOuterBand{198, 219, 239};
const Colour kSampleGrey{110, 110, 110};
const Colour kRiskRed{178, 24, 43};
const Colour kRiskBand{244, 190, 190};
constexpr double kLeastRiskShown = 0.01;

SeriesLook lineLook(Colour colour, bool dashed = false, bool thin = false)
{
    SeriesLook look;
    look.fill = colour;
    look.dashed = dashed;
    look.thin = thin;
    return look;
}

ChartDescription chanceChart(std::string title, std::string valueTitle)
{
    ChartDescription chart;
    chart.title = std::move(title);
    chart.legend = true;
    // Beside the plot, the legend would take half its width.
    chart.legendBelow = true;
    chart.time = {sourceText("dalvo::ChartDescription", "Time step t"), {}, kLightGrey};
    chart.value = {std::move(valueTitle), {}, kBlack};
    return chart;
}

// values[i] belongs to step firstStep + i.
ChartSeries seriesFrom(std::string name, SeriesLook look, const std::vector<double>& values, int firstStep,
                       ValueScale scale)
{
    ChartSeries series = seriesAlongTime(std::move(name), look, static_cast<int>(values.size()), scale,
                                         [&](int i) { return values[static_cast<std::size_t>(i)]; });
    for (ChartPoint& point : series.points)
        point.x += firstStep;
    return series;
}

ChartBand bandFrom(std::string name, Colour colour, const std::vector<double>& lower,
                   const std::vector<double>& upper, int firstStep)
{
    ChartBand band{std::move(name), {}, {}, colour};
    const std::size_t count = std::min(lower.size(), upper.size());
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(firstStep) + static_cast<double>(i);
        band.lower.push_back({t, lower[i]});
        band.upper.push_back({t, upper[i]});
    }
    return band;
}

}  // namespace

ChartDescription chanceFanChart(const ChanceResult& result, bool logScale)
{
    const ValueScale scale = logScale ? ValueScale::Logarithmic : ValueScale::Linear;
    ChartDescription chart =
        chanceChart(sourceText("dalvo::ChartDescription", "Total population with chance"), "S(t)");
    // The wider band first: the narrower one is drawn over it.
    chart.bands.push_back(bandFrom(sourceText("dalvo::ChartDescription", "90 % band"), kOuterBand,
                                   result.quantile05Total, result.quantile95Total, 0));
    chart.bands.push_back(bandFrom(sourceText("dalvo::ChartDescription", "50 % band"), kMiddleBand,
                                   result.quantile25Total, result.quantile75Total, 0));
    for (std::size_t k = 0; k < result.sampleTotals.size(); ++k)
        chart.series.push_back(seriesFrom(k == 0 ? sourceText("dalvo::ChartDescription", "Runs") : "",
                                          lineLook(kSampleGrey, false, true), result.sampleTotals[k], 0,
                                          scale));
    chart.series.push_back(seriesFrom(sourceText("dalvo::ChartDescription", "Median"), lineLook(kMedianBlue),
                                      result.medianTotal, 0, scale));
    chart.series.push_back(seriesFrom(sourceText("dalvo::ChartDescription", "Projection"),
                                      lineLook(kBlack, true), result.expectedTotal, 0, scale));
    fitAxes(chart, scale);
    if (logScale)
        for (ChartBand& band : chart.bands)
            for (auto* edge : {&band.lower, &band.upper})
                for (ChartPoint& point : *edge)
                    if (!placeable(point.y, scale))
                        point.y = chart.value.scale.minimum;
    return chart;
}

ChartDescription chanceRiskChart(const ChanceResult& result)
{
    ChartDescription chart =
        chanceChart(sourceText("dalvo::ChartDescription", "Risk of falling below the threshold"),
                    sourceText("dalvo::ChartDescription", "Probability"));
    chart.bands.push_back(bandFrom(sourceText("dalvo::ChartDescription", "95 % band"), kRiskBand,
                                   result.lossLower, result.lossUpper, 1));
    chart.series.push_back(seriesFrom(sourceText("dalvo::ChartDescription", "Simulated"), lineLook(kRiskRed),
                                      result.lossProbability, 1, ValueScale::Linear));
    if (!result.exactExtinction.empty())
        chart.series.push_back(seriesFrom(sourceText("dalvo::ChartDescription", "Exact"),
                                          lineLook(kBlack, true), result.exactExtinction, 1,
                                          ValueScale::Linear));
    fitAxes(chart, ValueScale::Linear);
    // From 0, where every risk starts, to the highest risk drawn or 1 %, so
    // that a small risk still shows its rise and never reads as none.
    double highest = kLeastRiskShown;
    for (const ChartBand& band : chart.bands)
        for (const ChartPoint& point : band.upper)
            highest = std::max(highest, point.y);
    for (const ChartSeries& series : chart.series)
        for (const ChartPoint& point : series.points)
            highest = std::max(highest, point.y);
    chart.value.scale = niceScale(0.0, std::min(highest, 1.0));
    return chart;
}

}  // namespace dalvo
