// Round axis ranges for the chart's axes, linear or logarithmic, chosen from the data they show.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string>
#include <vector>

#include "model/number_text.h"

namespace dalvo {

// A range from one tick to another: the first at `minimum`, the last at
// `maximum`. A linear scale has its ticks `step` apart; a logarithmic one has
// them at powers of ten, `step` decades apart.
struct AxisScale {
    double minimum = 0.0;
    double maximum = 1.0;
    double step = 0.2;
    bool logarithmic = false;
    std::vector<double> ticks() const;
    // What each tick is written as: a linear scale's numbers in the general
    // format, a logarithmic scale's as powers of ten with a superscript
    // exponent ("10⁻²", "10⁰", "10³"), so that no tick reads differently
    // from its neighbours.
    std::vector<std::string> tickLabels(const NumberLocale& locale) const;
    // Where `value` lies along the axis, in units that grow evenly across it:
    // the value itself, or on a logarithmic scale its common logarithm.
    double position(double value) const;
};

// Which values an axis may put its ticks on.
enum class TickValues {
    Round,  // 1, 2 or 5 times any power of ten
    Whole,  // as Round, but never closer than 1 apart: an axis that counts
};

// The smallest range with 1, 2 or 5 times a power of ten between ticks that
// holds low..high in three to eight steps; with whole ticks a short range may
// have fewer steps, each of 1. A single value gets a range around it; no
// value at all (low > high) or a value that is not finite gives 0..1.
AxisScale niceScale(double low, double high, TickValues ticks = TickValues::Round);

// The smallest range from one power of ten to another that holds low..high,
// both above zero, with at most eight tick steps of whole decades. Anything
// else gives 1..10.
AxisScale logScale(double low, double high);

// Keeps the lowest and highest finite value it is given.
class ValueSpan {
public:
    void add(double value);
    // Widens the span about its middle to at least `share` of its largest
    // magnitude, so that values that barely differ are drawn as the level
    // line they nearly are, not magnified to fill the axis.
    void widenToShare(double share);
    bool empty() const { return low_ > high_; }
    double low() const { return low_; }
    double high() const { return high_; }
    AxisScale scale(TickValues ticks = TickValues::Round) const { return niceScale(low_, high_, ticks); }
    AxisScale logarithmicScale() const { return logScale(low_, high_); }

private:
    double low_ = 1.0;
    double high_ = 0.0;
};

}  // namespace dalvo
