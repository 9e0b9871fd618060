// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "presentation/chart_description.h"

#include <algorithm>
#include <cmath>

#include "presentation/chart_building.h"

namespace dalvo {

namespace {

const Colour kBlack{0, 0, 0};
const Colour kLightGrey{192, 192, 192};
const Colour kGuideGrey{80, 80, 80};

// Red, blue, green and dark red for ages 0 to 3.
constexpr std::array<Colour, kAgeClasses> kAgeColours = {{{255, 0, 0}, {0, 0, 255}, {0, 255, 0}, {150, 0, 0}}};

// After the age colours: orange, purple, teal, brown, magenta, olive, navy
// and grey, each told apart from the others and from white.
constexpr std::array<Colour, 8> kFurtherSeriesColours = {{{255, 140, 0},
                                                          {128, 0, 160},
                                                          {0, 150, 150},
                                                          {140, 90, 40},
                                                          {220, 0, 200},
                                                          {120, 120, 0},
                                                          {0, 0, 120},
                                                          {110, 110, 110}}};

// Ages 0 to 3 keep these looks on every chart that marks them; the time
// series share the look of age 0.
const std::array<SeriesLook, kAgeClasses> kAgeLooks = {{
    {true, MarkerShape::Square, kAgeColours[0]},
    {true, MarkerShape::UpTriangle, kAgeColours[1]},
    {true, MarkerShape::DownTriangle, kAgeColours[2]},
    {true, MarkerShape::Diamond, kAgeColours[3]},
}};

ChartDescription chartWithTitles(const ChartInputs& inputs, std::string title, std::string timeTitle,
                                 std::string valueTitle)
{
    ChartDescription chart;
    chart.title = std::move(title);
    chart.time = {std::move(timeTitle), {}, kLightGrey};
    chart.value = {std::move(valueTitle), {}, kBlack};
    chart.memory = inputs.memory;
    return chart;
}

template <typename ValueAt>
ChartDescription timeSeriesChart(const ChartInputs& inputs, std::string title, std::string valueTitle, int count,
                                 ValueScale scale, ValueAt valueAt)
{
    ChartDescription chart = chartWithTitles(
        inputs, std::move(title), sourceText("dalvo::ChartDescription", "time"), std::move(valueTitle));
    chart.memory.looks[0] = kAgeLooks[0];
    chart.series.push_back(seriesAlongTime(chart.memory.names[0], kAgeLooks[0], count, scale, valueAt));
    return chart;
}

ValueScale valueScaleOf(const ChartInputs& inputs)
{
    return inputs.logScale ? ValueScale::Logarithmic : ValueScale::Linear;
}

enum class AgeChart { Graph, Structure, Distribution };

ChartDescription ageChart(const History& history, const ChartInputs& inputs, AgeChart which)
{
    const bool distribution = which == AgeChart::Distribution;
    ChartDescription chart =
        distribution ? chartWithTitles(inputs, sourceText("dalvo::ChartDescription", "Age distribution"),
                                       sourceText("dalvo::ChartDescription", "Time"),
                                       sourceText("dalvo::ChartDescription", "Proportion"))
                     : chartWithTitles(inputs, sourceText("dalvo::ChartDescription", "Age structure"),
                                       sourceText("dalvo::ChartDescription", "time"), "N(t)");
    chart.legend = true;
    if (which != AgeChart::Graph)
        chart.memory.looks = kAgeLooks;
    if (!distribution)
        for (int a = 0; a < kAgeClasses; ++a)
            chart.memory.names[a] = ageLabel(a);

    const ValueScale scale = distribution ? ValueScale::Linear : valueScaleOf(inputs);
    const int count = history.stepCount() + 1;
    for (int a = 0; a < kAgeClasses; ++a) {
        chart.series.push_back(
            seriesAlongTime(chart.memory.names[a], chart.memory.looks[a], count, scale, [&](int t) {
                return distribution ? history.step(t).proportions[a] : history.step(t).counts[a];
            }));
    }
    if (distribution && inputs.outlook) {
        const std::vector<double>& stable = inputs.outlook->stableDistribution;
        for (std::size_t a = 0; a < std::min(stable.size(), kAgeLooks.size()); ++a)
            if (std::isfinite(stable[a]))
                chart.guides.push_back({stable[a], kAgeLooks[a].fill, {}, {}, {}});
    }
    fitAxes(chart, scale);
    return chart;
}

}  // namespace

bool placeable(double y, ValueScale scale)
{
    return std::isfinite(y) && (scale == ValueScale::Linear || y > 0.0);
}

void fitAxes(ChartDescription& chart, ValueScale scale, double leastValueShare)
{
    ValueSpan times, values;
    for (const ChartSeries& series : chart.series)
        for (const ChartPoint& point : series.points) {
            times.add(point.x);
            values.add(point.y);
        }
    for (const GuideLine& guide : chart.guides)
        values.add(guide.value);
    for (const ChartBand& band : chart.bands)
        for (const auto* edge : {&band.lower, &band.upper})
            for (const ChartPoint& point : *edge)
                if (placeable(point.y, scale)) {
                    times.add(point.x);
                    values.add(point.y);
                }
    values.widenToShare(leastValueShare);
    chart.time.scale = times.scale(TickValues::Whole);
    chart.value.scale = scale == ValueScale::Logarithmic ? values.logarithmicScale() : values.scale();
}

std::optional<GuideLine> lambdaGuide(const LongTermOutlook& outlook, const NumberLocale& locale)
{
    if (!(outlook.lambda > 0.0) || !std::isfinite(outlook.lambda))
        return std::nullopt;
    const double lambda = outlook.lambda;
    const std::string shown = formatSignificant(lambda, 6, locale);
    // An imprimitive matrix never lets the rate settle on λ; the line says so
    // rather than promise a limit.
    if (outlook.settles())
        return GuideLine{lambda, kGuideGrey, "λ = %1", shown, {}};
    return GuideLine{lambda, kGuideGrey,
                     sourceText("dalvo::ChartDescription",
                                "λ = %1 on average: the rate cycles with period %2 and never settles"),
                     shown, std::to_string(outlook.period.value_or(0))};
}

Colour ageColour(int age)
{
    const auto count = static_cast<int>(kAgeColours.size());
    return kAgeColours[static_cast<std::size_t>(((age % count) + count) % count)];
}

Colour seriesColour(int index)
{
    const int count = static_cast<int>(kAgeColours.size() + kFurtherSeriesColours.size());
    const int shown = ((index % count) + count) % count;
    if (shown < static_cast<int>(kAgeColours.size()))
        return ageColour(shown);
    return kFurtherSeriesColours[static_cast<std::size_t>(shown) - kAgeColours.size()];
}

ChartDescription populationSizeChart(const History& history, const ChartInputs& inputs)
{
    const ValueScale scale = valueScaleOf(inputs);
    ChartDescription chart =
        timeSeriesChart(inputs, sourceText("dalvo::ChartDescription", "Total population size"), "N(t)",
                        history.stepCount() + 1, scale, [&](int t) { return history.step(t).total; });
    fitAxes(chart, scale);
    return chart;
}

ChartDescription growthRateChart(const History& history, const ChartInputs& inputs)
{
    ChartDescription chart =
        timeSeriesChart(inputs, sourceText("dalvo::ChartDescription", "Growth rate"), "N(t+1)/N(t)", history.stepCount(), ValueScale::Linear,
                        [&](int k) { return static_cast<double>(history.growthRate(k)); });
    if (inputs.outlook)
        if (std::optional<GuideLine> guide = lambdaGuide(*inputs.outlook, inputs.locale))
            chart.guides.push_back(std::move(*guide));
    fitAxes(chart, ValueScale::Linear, kLeastRateShare);
    return chart;
}

ChartDescription changeRateChart(const History& history, const ChartInputs& inputs)
{
    ChartDescription chart =
        timeSeriesChart(inputs, sourceText("dalvo::ChartDescription", "Change rate dN(t)"), "dN(t)",
                        history.stepCount(), ValueScale::Linear, [&](int k) { return history.change(k); });
    fitAxes(chart, ValueScale::Linear);
    return chart;
}

ChartDescription ageStructureChart(const History& history, const ChartInputs& inputs)
{
    return ageChart(history, inputs, AgeChart::Structure);
}

ChartDescription ageDistributionChart(const History& history, const ChartInputs& inputs)
{
    return ageChart(history, inputs, AgeChart::Distribution);
}

ChartDescription graphAgeStructureChart(const History& history, const ChartInputs& inputs)
{
    return ageChart(history, inputs, AgeChart::Graph);
}

std::string ageLabel(int ageClass)
{
    // The legend names the four classes with these, each translated whole.
    static constexpr std::array<const char*, kAgeClasses> kLegendNames = {
        sourceText("dalvo::ChartDescription", "age  0"), sourceText("dalvo::ChartDescription", "age  1"),
        sourceText("dalvo::ChartDescription", "age  2"), sourceText("dalvo::ChartDescription", "age  3")};
    if (ageClass >= 0 && ageClass < kAgeClasses)
        return kLegendNames[static_cast<std::size_t>(ageClass)];
    return std::string("age ") + (ageClass >= 0 ? " " : "") + formatGeneral(ageClass, kPeriodNumbers);
}

}  // namespace dalvo
