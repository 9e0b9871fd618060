// The program's number rules: number to text, text to number, rounding.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string>
#include <string_view>

#include "model/result.h"

namespace dalvo {

// The regional decimal separator, as UTF-8 text (usually "." or ",").
struct NumberLocale {
    std::string decimalSeparator = ".";
};

// The "C" locale's numbers, with a period: files are written and read in it,
// whatever the student's locale, so that they travel between machines.
inline const NumberLocale kPeriodNumbers{"."};

// General format: at most 15 significant digits, no grouping, no trailing
// zeros, no separator for whole values. Plain form while the decimal exponent
// of the value rounded to 15 digits lies in -4..14, otherwise mantissa, "E",
// sign and at least two exponent digits ("1.5E+20", "1E-05").
std::string formatGeneral(double value, const NumberLocale& locale);

// The general format with fewer significant digits (1..15), for values shown
// to be read rather than computed with.
std::string formatSignificant(double value, int significantDigits, const NumberLocale& locale);

// A fixed number of decimals (0..20), rounded: "22.0", "3.5".
std::string formatFixed(double value, int decimals, const NumberLocale& locale);

// The whole text as a number: surrounding blanks ignored, optional sign,
// digits with the regional separator, optional exponent. Empty or anything
// else, or a value beyond the double range, is an error.
Result<double> parseNumber(std::string_view text, const NumberLocale& locale);

// The value a number shows as in the general format: rounded to 15
// significant digits (0.1 x 3 becomes 0.3). Not finite values stay as they are.
double shownValue(double value);

// Rounds to `decimals` places with ties to even. Works for any finite value;
// values whose scaled form is beyond the double range come back unchanged.
double roundToDecimals(double value, int decimals);

}  // namespace dalvo
