// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/axis_scale.h"

#include <algorithm>
#include <cmath>

namespace dalvo {

namespace {

// 1, 2 or 5 times a power of ten, at least `rough`.
double roundStep(double rough)
{
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough * (1.0 - 1e-12))
            return factor * power;
    return 10.0 * power;
}

// Powers of ten that a double holds as normal or subnormal numbers above zero.
constexpr double kLowestDecade = -323;
constexpr double kHighestDecade = 308;
constexpr int kMostLogSteps = 8;

// "10" and `exponent` in superscript digits, in UTF-8.
std::string powerOfTen(long exponent)
{
    static const char* const kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string digits;
    for (unsigned long rest = static_cast<unsigned long>(exponent < 0 ? -exponent : exponent);;) {
        digits.insert(0, kDigits[rest % 10]);
        rest /= 10;
        if (rest == 0)
            break;
    }
    return "10" + std::string(exponent < 0 ? "⁻" : "") + digits;
}

}  // namespace

std::vector<double> AxisScale::ticks() const
{
    std::vector<double> result;
    if (logarithmic) {
        const double first = std::round(std::log10(minimum));
        const double last = std::round(std::log10(maximum));
        for (double decade = first; decade < last; decade += step)
            result.push_back(std::pow(10.0, decade));
        result.push_back(maximum);
        return result;
    }
    const long count = std::lround((maximum - minimum) / step);
    for (long i = 0; i <= count; ++i) {
        double tick = minimum + static_cast<double>(i) * step;
        // Multiples of the step that should be zero come out as tiny rests.
        if (std::fabs(tick) < step * 1e-9)
            tick = 0.0;
        result.push_back(tick);
    }
    if (!result.empty())
        result.back() = maximum;
    return result;
}

std::vector<std::string> AxisScale::tickLabels(const NumberLocale& locale) const
{
    std::vector<std::string> labels;
    for (double tick : ticks())
        labels.push_back(logarithmic ? powerOfTen(std::lround(std::log10(tick))) : formatGeneral(tick, locale));
    return labels;
}

double AxisScale::position(double value) const
{
    return logarithmic ? std::log10(value) : value;
}

AxisScale niceScale(double low, double high, TickValues ticks)
{
    const bool whole = ticks == TickValues::Whole;
    const AxisScale empty = whole ? AxisScale{0.0, 1.0, 1.0} : AxisScale{};
    if (!(low <= high) || !std::isfinite(low) || !std::isfinite(high))
        return empty;
    if (low == high) {
        const double pad = low == 0.0 ? 0.5 : std::fabs(low) * 0.1;
        low -= pad;
        high += pad;
    }
    const double span = high - low;
    if (!std::isfinite(span))
        return empty;
    // The step lies between a sixth and 2.5 sixths of the span, and widening
    // to whole steps adds at most two.
    double step = roundStep(span / 6.0);
    if (whole && step < 1.0)
        step = 1.0;
    // Whole multiples of the step, corrected where the division rounded to
    // the wrong side, so that the range holds the data. The corrections are
    // bounded: for a span far below the values' precision a step more or
    // less may not change the product at all.
    double lowSteps = std::floor(low / step);
    if ((lowSteps + 1.0) * step <= low)
        lowSteps += 1.0;
    for (int i = 0; i < 2 && lowSteps * step > low; ++i)
        lowSteps -= 1.0;
    double highSteps = std::ceil(high / step);
    if ((highSteps - 1.0) * step >= high)
        highSteps -= 1.0;
    for (int i = 0; i < 2 && highSteps * step < high; ++i)
        highSteps += 1.0;
    AxisScale scale;
    scale.step = step;
    scale.minimum = lowSteps * step;
    scale.maximum = highSteps * step;
    if (!std::isfinite(scale.minimum) || !std::isfinite(scale.maximum) || scale.maximum <= scale.minimum)
        return empty;
    return scale;
}

AxisScale logScale(double low, double high)
{
    const AxisScale oneDecade{1.0, 10.0, 1.0, true};
    if (!(low > 0.0 && low <= high) || !std::isfinite(high))
        return oneDecade;
    const double first = std::max(std::floor(std::log10(low)), kLowestDecade);
    double last = std::min(std::ceil(std::log10(high)), kHighestDecade);
    if (last <= first)
        last = first + 1.0;
    // Whole decades per step, and the range widened to a whole number of steps.
    const double step = std::ceil((last - first) / kMostLogSteps);
    last = std::min(first + std::ceil((last - first) / step) * step, kHighestDecade);
    return AxisScale{std::pow(10.0, first), std::pow(10.0, last), step, true};
}

void ValueSpan::widenToShare(double share)
{
    if (empty())
        return;
    const double least = share * std::max(std::fabs(low_), std::fabs(high_));
    if (!(high_ - low_ < least) || !std::isfinite(least))
        return;
    const double middle = low_ / 2.0 + high_ / 2.0;
    low_ = middle - least / 2.0;
    high_ = middle + least / 2.0;
}

void ValueSpan::add(double value)
{
    if (!std::isfinite(value))
        return;
    if (empty()) {
        low_ = high_ = value;
        return;
    }
    if (value < low_)
        low_ = value;
    if (value > high_)
        high_ = value;
}

}  // namespace dalvo
