// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

#include "model/character_class.h"
#include "model/source_text.h"

namespace dalvo {

namespace {

// Digits shown at most; beyond this a double's decimal digits are noise that
// would only confuse students comparing results.
constexpr int kSignificantDigits = 15;

// Plain notation stays readable while the value's decimal exponent is in this
// window; outside it the exponent form is shorter and clearer.
constexpr int kLowestPlainExponent = -4;
constexpr int kHighestPlainExponent = 14;

// An empty separator would glue the whole and fractional digits together and
// make the text unreadable back, so the period stands in for it.
std::string_view separatorOf(const NumberLocale& locale)
{
    if (locale.decimalSeparator.empty())
        return ".";
    return locale.decimalSeparator;
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string exponentText(int exponent)
{
    std::string text(1, exponent < 0 ? '-' : '+');
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10)
        text += '0';
    text += std::to_string(magnitude);
    return text;
}

Error tooLargeToUse(std::string_view shown)
{
    return explained(sourceText("dalvo::Error", "\"%1\" is too large to use."), {std::string(shown)});
}

Error notANumber(std::string_view shown)
{
    return explained(sourceText("dalvo::Error", "\"%1\" is not a number."), {std::string(shown)});
}

// Reads a run of exponent digits, saturating far beyond anything a double can
// reach so that absurdly long exponents cannot overflow the counter.
long long saturatingValue(std::string_view digits)
{
    constexpr long long kCap = 1'000'000'000;
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > kCap)
            return kCap;
    }
    return value;
}

// Decimal exponent of the first nonzero digit of whole.fraction * 10^exponent,
// used to tell an overflow from an underflow when the conversion reports the
// value as out of range. Only called when some digit is nonzero.
long long leadingExponent(std::string_view whole, std::string_view fraction, long long exponent)
{
    const std::size_t firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string_view::npos) {
        return exponent + static_cast<long long>(whole.size() - firstWhole) - 1;
    }
    const std::size_t firstFraction = fraction.find_first_not_of('0');
    return exponent - static_cast<long long>(firstFraction) - 1;
}

}  // namespace

std::string formatGeneral(double value, const NumberLocale& locale)
{
    return formatSignificant(value, kSignificantDigits, locale);
}

std::string formatSignificant(double value, int significantDigits, const NumberLocale& locale)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    // Negative zero would otherwise surface as "-0", which means nothing to a
    // reader and can appear after rounding a tiny negative value.
    if (value == 0)
        return "0";

    // Scientific form with 14 decimals rounds correctly to 15 significant
    // digits, and its exponent already reflects a carry such as 9.99..95
    // becoming 1E+01.
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                         std::clamp(significantDigits, 1, kSignificantDigits) - 1);
    if (ec != std::errc{})
        return "nan";
    const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));

    const bool negative = scientific.front() == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t ePos = scientific.find('e');

    std::string digits;
    for (std::size_t i = mantissaStart; i < ePos; ++i) {
        if (isDigit(scientific[i]))
            digits += scientific[i];
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    int exponent = 0;
    std::string_view exponentPart = scientific.substr(ePos + 1);
    if (!exponentPart.empty() && exponentPart.front() == '+')
        exponentPart.remove_prefix(1);
    std::from_chars(exponentPart.data(), exponentPart.data() + exponentPart.size(), exponent);

    const std::string_view separator = separatorOf(locale);
    std::string text = negative ? "-" : "";

    if (exponent < kLowestPlainExponent || exponent > kHighestPlainExponent) {
        text += digits.front();
        if (digits.size() > 1) {
            text += separator;
            text.append(digits, 1);
        }
        text += 'E';
        text += exponentText(exponent);
        return text;
    }

    if (exponent < 0) {
        text += '0';
        text += separator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }

    const std::size_t wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeDigits) {
        text += digits;
        text.append(wholeDigits - digits.size(), '0');
    } else {
        text.append(digits, 0, wholeDigits);
        text += separator;
        text.append(digits, wholeDigits);
    }
    return text;
}

std::string formatFixed(double value, int decimals, const NumberLocale& locale)
{
    if (!std::isfinite(value))
        return formatGeneral(value, locale);
    char buffer[400];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                         std::clamp(decimals, 0, 20));
    if (ec != std::errc{})
        return formatGeneral(value, locale);
    std::string text(buffer, end);
    // "-0.0" says nothing a reader could use.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separatorOf(locale));
    return text;
}

Result<double> parseNumber(std::string_view text, const NumberLocale& locale)
{
    const std::string_view trimmed = trimBlanks(text);
    if (trimmed.empty())
        return explained(sourceText("dalvo::Error", "No number was entered."));

    const std::string_view separator = separatorOf(locale);
    std::size_t pos = 0;
    auto digitRun = [&]() {
        const std::size_t start = pos;
        while (pos < trimmed.size() && isDigit(trimmed[pos]))
            ++pos;
        return trimmed.substr(start, pos - start);
    };

    bool negative = false;
    if (trimmed[pos] == '+' || trimmed[pos] == '-') {
        negative = trimmed[pos] == '-';
        ++pos;
    }

    const std::string_view whole = digitRun();
    std::string_view fraction;
    if (trimmed.substr(pos).starts_with(separator)) {
        pos += separator.size();
        fraction = digitRun();
    }
    if (whole.empty() && fraction.empty())
        return notANumber(trimmed);

    bool exponentNegative = false;
    std::string_view exponentDigits;
    if (pos < trimmed.size() && (trimmed[pos] == 'e' || trimmed[pos] == 'E')) {
        ++pos;
        if (pos < trimmed.size() && (trimmed[pos] == '+' || trimmed[pos] == '-')) {
            exponentNegative = trimmed[pos] == '-';
            ++pos;
        }
        exponentDigits = digitRun();
        if (exponentDigits.empty())
            return notANumber(trimmed);
    }
    if (pos != trimmed.size())
        return notANumber(trimmed);

    // The conversion itself only ever sees the C form: period, no '+', and
    // digits on both sides of the period where there are any.
    std::string canonical;
    if (negative)
        canonical += '-';
    canonical += whole.empty() ? std::string_view("0") : whole;
    if (!fraction.empty()) {
        canonical += '.';
        canonical += fraction;
    }
    if (!exponentDigits.empty()) {
        canonical += 'e';
        if (exponentNegative)
            canonical += '-';
        canonical += exponentDigits;
    }

    double value = 0;
    const auto [end, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (ec == std::errc::result_out_of_range) {
        const long long exponent = saturatingValue(exponentDigits);
        if (leadingExponent(whole, fraction, exponentNegative ? -exponent : exponent) > 0) {
            return tooLargeToUse(trimmed);
        }
        // Too close to zero to hold: zero is the honest answer, and keeping
        // the sign matches what the arithmetic itself would produce.
        return negative ? -0.0 : 0.0;
    }
    if (ec != std::errc{} || end != canonical.data() + canonical.size()) {
        return notANumber(trimmed);
    }
    if (std::isinf(value)) {
        return tooLargeToUse(trimmed);
    }
    return value;
}

double shownValue(double value)
{
    if (!std::isfinite(value))
        return value;
    const NumberLocale period;
    const Result<double> shown = parseNumber(formatGeneral(value, period), period);
    return shown ? *shown : value;
}

double roundToDecimals(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;

    // Above 2^52 every double is already a whole number, so a scaled value
    // that large has nothing left to round; dividing it back could only
    // introduce an error of its own.
    constexpr double kAllWhole = 4503599627370496.0;  // 2^52

    // Past 400 places either way the power of ten is outside the double
    // range anyway; clamping keeps the negation below from overflowing.
    constexpr int kWidestPlaces = 400;
    if (decimals > kWidestPlaces)
        decimals = kWidestPlaces;
    if (decimals < -kWidestPlaces)
        decimals = -kWidestPlaces;

    // Negative places round to tens, hundreds, ...; dividing by an exact
    // power of ten avoids the inexact 0.1, 0.01, ... factors.
    const double factor = std::pow(10.0, decimals < 0 ? -decimals : decimals);
    if (decimals < 0 && !std::isfinite(factor))
        return std::copysign(0.0, value);
    const double scaled = decimals < 0 ? value / factor : value * factor;
    if (!std::isfinite(scaled))
        return value;
    if (std::fabs(scaled) >= kAllWhole)
        return value;

    // nearbyint follows the default rounding mode, which is ties to even;
    // unlike a cast to an integer it cannot wrap for large values.
    const double rounded = std::nearbyint(scaled);
    return decimals < 0 ? rounded * factor : rounded / factor;
}

}  // namespace dalvo
