// What each chart of the chart window shows, worked out from the run without Qt: titles, axes, series, guide lines.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/axis_scale.h"
#include "model/history.h"
#include "model/long_term_outlook.h"
#include "model/number_text.h"
#include "model/source_text.h"

namespace dalvo {

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Colour&) const = default;
};

// The colour of age class `age` (0 to 3) on every chart; further series take
// the colours again from age 0.
Colour ageColour(int age);

// The colour of the `index`th of many series (a chart of up to a hundred
// classes draws some of them): ageColour(0..3) first, then further colours
// that stay apart from them and from each other, again from the first after
// the last.
Colour seriesColour(int index);

enum class MarkerShape { Square, Diamond, UpTriangle, DownTriangle };

// A series is drawn either as a line in its own colour (a chart that has not
// yet chosen a look), or as markers of `shape` filled with `fill` and
// outlined in black, with no line. A line may be dashed: a prediction drawn
// beside what the run did.
struct SeriesLook {
    bool marked = false;
    MarkerShape shape = MarkerShape::Square;
    Colour fill;
    bool dashed = false;
    // A thin line: one of many that together show a spread, none of which
    // matters alone.
    bool thin = false;
    bool operator==(const SeriesLook&) const = default;
};

struct ChartPoint {
    double x = 0;
    double y = 0;
    bool operator==(const ChartPoint&) const = default;
};

// A shaded area between two lines over the same times, `lower[i]` below
// `upper[i]`: a range the values fall in, drawn under every series. A named
// band has a legend entry.
struct ChartBand {
    std::string name;
    std::vector<ChartPoint> lower;
    std::vector<ChartPoint> upper;
    Colour colour;
};

// A value the value axis cannot place leaves no point, and a line drawn
// through the series stops short of it: `breaks` holds the indices of the
// points that begin a new stretch of line after such a gap.
struct ChartSeries {
    std::string name;
    std::vector<ChartPoint> points;
    SeriesLook look;
    std::vector<std::size_t> breaks;
};

struct ChartAxis {
    std::string title;
    AxisScale scale;
    Colour gridColour;
};

// A dashed horizontal line across the plot at `value`; with a caption, that
// caption ("%1" standing for `number`) is written above the line's right end.
struct GuideLine {
    double value = 0;
    Colour colour;
    std::string caption;  // a text to translate, with %1 for `number` and %2 for `period`
    std::string number;
    std::string period;
};

// What one chart leaves to the next: the age charts give the four series
// their look and the first two their names; "Graph" keeps whatever look they
// last had, and the distribution chart keeps the names.
struct ChartMemory {
    std::array<SeriesLook, kAgeClasses> looks{};
    std::array<std::string, kAgeClasses> names = {
        sourceText("dalvo::ChartDescription", "column 1"), sourceText("dalvo::ChartDescription", "column 3"),
        sourceText("dalvo::ChartDescription", "column 5"), sourceText("dalvo::ChartDescription", "column 7")};
    bool operator==(const ChartMemory&) const = default;
};

// Texts are the program's English source texts; the window translates them in
// the context "dalvo::ChartDescription".
struct ChartDescription {
    std::string title;
    bool legend = false;
    // Under the plot instead of beside it, for entries too long to sit beside it.
    bool legendBelow = false;
    ChartAxis time;
    ChartAxis value;
    std::vector<ChartSeries> series;
    std::vector<GuideLine> guides;
    std::vector<ChartBand> bands;
    ChartMemory memory;
};

// What a chart reads besides the history.
struct ChartInputs {
    ChartMemory memory;  // as the chart shown before left it
    const LongTermOutlook* outlook = nullptr;  // none while the matrix cannot be analysed
    bool logScale = false;  // read by the population-size and age-structure charts
    NumberLocale locale;
};

// The chart window's five charts, each over steps 0..stepCount() of the run.
ChartDescription populationSizeChart(const History& history, const ChartInputs& inputs);
ChartDescription growthRateChart(const History& history, const ChartInputs& inputs);
ChartDescription changeRateChart(const History& history, const ChartInputs& inputs);
ChartDescription ageStructureChart(const History& history, const ChartInputs& inputs);
ChartDescription ageDistributionChart(const History& history, const ChartInputs& inputs);
// The main window's "Graph": the age-structure chart with the series looking
// as the chart shown before left them.
ChartDescription graphAgeStructureChart(const History& history, const ChartInputs& inputs);

// "age", a blank, then the class number with a blank for its sign: "age  0".
std::string ageLabel(int ageClass);

}  // namespace dalvo
