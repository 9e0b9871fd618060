// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/lenient_read.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <string>
#include <system_error>

#include "model/character_class.h"

namespace dalvo {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool isIgnored(char c)
{
    return isBlank(c) || c == '\n';
}

bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

std::string withoutBlanks(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (!isIgnored(c))
            kept += c;
    }
    return kept;
}

template <class Predicate>
std::string_view leadingRun(std::string_view text, Predicate belongs)
{
    std::size_t end = 0;
    while (end < text.size() && belongs(text[end]))
        ++end;
    return text.substr(0, end);
}

// Hexadecimal digits as a double, rounded correctly however many there are.
double hexValue(std::string_view digits)
{
    if (digits.empty())
        return 0;
    double value = 0;
    const auto [end, ec] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::hex);
    if (ec == std::errc::result_out_of_range)
        return kInfinity;
    if (ec != std::errc{})
        return 0;
    return value;
}

// Four octal digits are exactly twelve bits, which are three hexadecimal
// digits; regrouping keeps long octal numbers as exact as hexadecimal ones.
double octalValue(std::string_view digits)
{
    std::string padded((4 - digits.size() % 4) % 4, '0');
    padded += digits;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(padded.size() / 4 * 3);
    for (std::size_t i = 0; i < padded.size(); i += 4) {
        int bits = 0;
        for (std::size_t k = 0; k < 4; ++k)
            bits = bits * 8 + (padded[i + k] - '0');
        hex += kHex[(bits >> 8) & 0xf];
        hex += kHex[(bits >> 4) & 0xf];
        hex += kHex[bits & 0xf];
    }
    return hexValue(hex);
}

double prefixedValue(std::string_view afterAmpersand)
{
    if (afterAmpersand.empty())
        return 0;
    const char kind = afterAmpersand.front();
    const std::string_view rest = afterAmpersand.substr(1);
    if (kind == 'H' || kind == 'h')
        return hexValue(leadingRun(rest, isHexDigit));
    if (kind == 'O' || kind == 'o')
        return octalValue(leadingRun(rest, isOctalDigit));
    return 0;
}

// The period always works, so that numbers typed the way the program's texts
// and books write them read the same on every machine; the regional separator
// works too, so that every number the program writes back reads again.
std::size_t separatorLength(std::string_view text, const NumberLocale& locale)
{
    if (text.starts_with('.'))
        return 1;
    const std::string& regional = locale.decimalSeparator;
    if (!regional.empty() && text.starts_with(regional))
        return regional.size();
    return 0;
}

}  // namespace

double readLeniently(std::string_view text, const NumberLocale& locale)
{
    const std::string compact = withoutBlanks(text);
    std::string_view rest = compact;

    if (rest.starts_with('&'))
        return prefixedValue(rest.substr(1));

    bool negative = false;
    if (rest.starts_with('+') || rest.starts_with('-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }

    const std::string_view whole = leadingRun(rest, isDigit);
    rest.remove_prefix(whole.size());
    std::string_view fraction;
    if (const std::size_t separator = separatorLength(rest, locale); separator > 0) {
        rest.remove_prefix(separator);
        fraction = leadingRun(rest, isDigit);
        rest.remove_prefix(fraction.size());
    }
    if (whole.empty() && fraction.empty())
        return 0;

    // An exponent letter counts only when digits follow it, with or without
    // a sign in between; "2E" and "2E-" are plain 2.
    bool exponentNegative = false;
    std::string_view exponentDigits;
    if (!rest.empty() &&
        (rest.front() == 'E' || rest.front() == 'e' || rest.front() == 'D' || rest.front() == 'd')) {
        std::string_view afterLetter = rest.substr(1);
        bool signNegative = false;
        if (afterLetter.starts_with('+') || afterLetter.starts_with('-')) {
            signNegative = afterLetter.front() == '-';
            afterLetter.remove_prefix(1);
        }
        exponentDigits = leadingRun(afterLetter, isDigit);
        exponentNegative = signNegative && !exponentDigits.empty();
    }

    // The number in the plain form that the strict rule reads exactly.
    std::string plain;
    plain.reserve(whole.size() + fraction.size() + exponentDigits.size() + 5);
    if (negative)
        plain += '-';
    plain += whole.empty() ? std::string_view("0") : whole;
    if (!fraction.empty()) {
        plain += '.';
        plain += fraction;
    }
    if (!exponentDigits.empty()) {
        plain += 'e';
        if (exponentNegative)
            plain += '-';
        plain += exponentDigits;
    }

    const Result<double> value = parseNumber(plain, kPeriodNumbers);
    // The plain form is always well made, so the strict rule can refuse it
    // only for being beyond the double range.
    if (!value)
        return negative ? -kInfinity : kInfinity;
    return *value;
}

}  // namespace dalvo
