// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/rounded_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "model/number_text.h"

namespace dalvo {

namespace {

constexpr double kPowersOfTen[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6, 1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14};
constexpr int kWidestDirectDecimals = 9;
constexpr int kWidestTabledDecimals = 14;
// Above 2^52 every double is already a whole number.
constexpr double kAllWhole = 4503599627370496.0;

// The general form writes numbers from 1E-04 up plainly.
constexpr double kSmallestPlain = 1e-4;
// Up to 15 significant digits the general form shows every digit.
constexpr double kDirectDigitsLimit = 1e15;

}  // namespace

double roundedTo(double value, int decimals)
{
    if (decimals < 0 || decimals > kWidestTabledDecimals)
        return roundToDecimals(value, decimals);
    // Powers of ten up to 10^22 are exact doubles, so the table holds what
    // pow gives, and the steps below are roundToDecimals's own.
    const double factor = kPowersOfTen[decimals];
    const double scaled = value * factor;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= kAllWhole)
        return value;
    return std::nearbyint(scaled) / factor;
}

void appendRounded(std::string& text, double value, int decimals)
{
    appendRoundedValue(text, roundedTo(value, decimals), decimals);
}

void appendRoundedValue(std::string& text, double rounded, int decimals)
{
    if (rounded == 0) {
        text += '0';  // also for a rounded -0, which the general form writes as 0
        return;
    }
    // A value rounded to d decimals with fewer than 16 digits in all is the
    // decimal k / 10^d itself to within far less than half of its last
    // digit, so its 15 significant digits are those of the whole number k
    // with a period d digits from the right, less the trailing zeros.
    // Scaling back up recovers k exactly: the error is below a quarter.
    const double magnitude = std::fabs(rounded);
    const double scaled = decimals >= 0 && decimals <= kWidestDirectDecimals ? magnitude * kPowersOfTen[decimals] : 0;
    if (magnitude >= kSmallestPlain && scaled > 0 && scaled < kDirectDigitsLimit) {
        char digits[24];
        const auto whole = static_cast<std::uint64_t>(std::nearbyint(scaled));
        const char* end = std::to_chars(digits, digits + sizeof digits, whole).ptr;
        const int count = static_cast<int>(end - digits);
        const int wholeCount = count - decimals;
        if (rounded < 0)
            text += '-';
        if (wholeCount > 0)
            text.append(digits, static_cast<std::size_t>(wholeCount));
        else
            text += '0';
        const char* fractionStart = digits + (wholeCount > 0 ? wholeCount : 0);
        while (end > fractionStart && end[-1] == '0')
            --end;
        if (end > fractionStart) {
            text += '.';
            if (wholeCount < 0)
                text.append(static_cast<std::size_t>(-wholeCount), '0');
            text.append(fractionStart, end);
        }
        return;
    }
    text += formatGeneral(rounded, kPeriodNumbers);
}

}  // namespace dalvo
