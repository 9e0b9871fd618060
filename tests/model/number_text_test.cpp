// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace dalvo {
namespace {

const NumberLocale kPoint{"."};
const NumberLocale kComma{","};
const NumberLocale kMiddleDot{"\xC2\xB7"};  // U+00B7, two bytes in UTF-8

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Equal including the sign of zero, and NaN matches NaN.
bool sameValue(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

TEST(FormatGeneral, WritesGeneralFormat)
{
    struct Case {
        const char* name;
        double value;
        NumberLocale locale;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"whole", 5, kPoint, "5"},
        {"simple fraction", 2.5, kPoint, "2.5"},
        {"below one has leading zero", 0.5, kPoint, "0.5"},
        {"recurring fraction", 12.5 / 15, kPoint, "0.833333333333333"},
        {"negative", -2.5, kPoint, "-2.5"},
        {"zero", 0.0, kPoint, "0"},
        {"negative zero", -0.0, kPoint, "0"},
        {"binary noise dropped", 0.1 * 3, kPoint, "0.3"},
        {"rounded to 15 digits", 0.123456789012345678, kPoint, "0.123456789012346"},
        {"rounding carries into whole", 99999.99999999999, kPoint, "100000"},
        {"rounding carries into exponent", 999999999999999.5, kPoint, "1E+15"},
        {"fifteen whole digits", 123456789012345, kPoint, "123456789012345"},
        {"1e14 stays plain", 1e14, kPoint, "100000000000000"},
        {"1e15 goes exponent", 1e15, kPoint, "1E+15"},
        {"large with mantissa", 1.5e20, kPoint, "1.5E+20"},
        {"three-digit exponent", 1e100, kPoint, "1E+100"},
        {"0.0001 stays plain", 0.0001, kPoint, "0.0001"},
        {"small plain keeps digits", 0.00012345, kPoint, "0.00012345"},
        {"0.00009 goes exponent", 0.00009, kPoint, "9E-05"},
        {"0.00001 goes exponent", 0.00001, kPoint, "1E-05"},
        {"negative small", -1.5e-7, kPoint, "-1.5E-07"},
        {"negative three-digit exponent", 1e-100, kPoint, "1E-100"},
        {"largest double", std::numeric_limits<double>::max(), kPoint, "1.79769313486232E+308"},
        {"smallest subnormal", std::numeric_limits<double>::denorm_min(), kPoint, "4.94065645841247E-324"},
        {"comma fraction", 2.5, kComma, "2,5"},
        {"comma whole", 5, kComma, "5"},
        {"comma exponent", 1.5e20, kComma, "1,5E+20"},
        {"comma small plain", 0.0001, kComma, "0,0001"},
        {"comma negative recurring", -12.5 / 15, kComma, "-0,833333333333333"},
        {"multi-byte separator", 2.5, kMiddleDot,
         "2\xC2\xB7"
         "5"},
        {"empty separator falls back to period", 2.5, NumberLocale{""}, "2.5"},
        {"infinity", kInf, kPoint, "inf"},
        {"negative infinity", -kInf, kPoint, "-inf"},
        {"not a number", kNaN, kPoint, "nan"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatGeneral(c.value, c.locale), c.expected);
    }
}

TEST(ParseNumber, ReadsValidText)
{
    struct Case {
        const char* name;
        std::string text;
        NumberLocale locale;
        double expected;
    };
    const std::vector<Case> cases = {
        {"whole", "5", kPoint, 5},
        {"fraction", "2.5", kPoint, 2.5},
        {"surrounding blanks", " \t2.5\t ", kPoint, 2.5},
        {"plus sign", "+2.5", kPoint, 2.5},
        {"minus sign", "-2.5", kPoint, -2.5},
        {"trailing separator", "5.", kPoint, 5},
        {"leading separator", ".5", kPoint, 0.5},
        {"signed leading separator", "-.5", kPoint, -0.5},
        {"leading zeros", "007", kPoint, 7},
        {"negative zero", "-0", kPoint, -0.0},
        {"exponent", "1e3", kPoint, 1000},
        {"signed capital exponent", "1E+3", kPoint, 1000},
        {"negative exponent", "2.5e-3", kPoint, 0.0025},
        {"formatted exponent", "1.5E+20", kPoint, 1.5e20},
        {"long digits", "0.1000000000000000055511151231257827", kPoint, 0.1},
        {"near the top", "1.7976931348623157e308", kPoint, std::numeric_limits<double>::max()},
        {"subnormal", "4.94065645841247E-324", kPoint, std::numeric_limits<double>::denorm_min()},
        {"underflow is zero", "1e-400", kPoint, 0.0},
        {"negative underflow keeps sign", "-1e-400", kPoint, -0.0},
        {"zero with huge exponent", "000.000e99999999999999999999", kPoint, 0.0},
        {"comma fraction", "2,5", kComma, 2.5},
        {"comma negative", "-0,5", kComma, -0.5},
        {"comma leading separator", ",5", kComma, 0.5},
        {"comma trailing separator", "5,", kComma, 5},
        {"comma exponent", "1,5E+20", kComma, 1.5e20},
        {"comma blanks", "  3,25  ", kComma, 3.25},
        {"multi-byte separator",
         "2\xC2\xB7"
         "5",
         kMiddleDot, 2.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<double> result = parseNumber(c.text, c.locale);
        ASSERT_TRUE(result.ok()) << result.error().message;
        EXPECT_TRUE(sameValue(*result, c.expected)) << *result;
    }
}

TEST(ParseNumber, RejectsInvalidTextWithMessage)
{
    struct Case {
        const char* name;
        std::string text;
        NumberLocale locale;
        std::string message;
    };
    const auto notNumber = [](const std::string& shown) { return "\"" + shown + "\" is not a number."; };
    const std::vector<Case> cases = {
        {"empty", "", kPoint, "No number was entered."},
        {"blanks only", " \t ", kPoint, "No number was entered."},
        {"letters", "abc", kPoint, notNumber("abc")},
        {"message shows trimmed text", "  abc ", kPoint, notNumber("abc")},
        {"infinity word", "inf", kPoint, notNumber("inf")},
        {"negative infinity word", "-inf", kPoint, notNumber("-inf")},
        {"nan word", "nan", kPoint, notNumber("nan")},
        {"hex", "0x1A", kPoint, notNumber("0x1A")},
        {"grouping", "1,000", kPoint, notNumber("1,000")},
        {"two separators", "1.2.3", kPoint, notNumber("1.2.3")},
        {"separator alone", ".", kPoint, notNumber(".")},
        {"sign alone", "-", kPoint, notNumber("-")},
        {"plus alone", "+", kPoint, notNumber("+")},
        {"two signs", "+-5", kPoint, notNumber("+-5")},
        {"double minus", "--5", kPoint, notNumber("--5")},
        {"exponent without mantissa", "e5", kPoint, notNumber("e5")},
        {"separator then exponent", ".e5", kPoint, notNumber(".e5")},
        {"exponent without digits", "1e", kPoint, notNumber("1e")},
        {"exponent sign without digits", "1e+", kPoint, notNumber("1e+")},
        {"fractional exponent", "1e5.5", kPoint, notNumber("1e5.5")},
        {"trailing garbage", "2.5abc", kPoint, notNumber("2.5abc")},
        {"inner blank", "2 5", kPoint, notNumber("2 5")},
        {"overflow", "1e400", kPoint, "\"1e400\" is too large to use."},
        {"negative overflow", "-1e400", kPoint, "\"-1e400\" is too large to use."},
        {"just past the top", "1.8e308", kPoint, "\"1.8e308\" is too large to use."},
        {"huge exponent", "1e99999999999999999999", kPoint,
         "\"1e99999999999999999999\" is too large to use."},
        {"period under comma", "2.5", kComma, notNumber("2.5")},
        {"two commas", "1,2,3", kComma, notNumber("1,2,3")},
        {"comma alone", ",", kComma, notNumber(",")},
        {"grouping under comma", "1.000,5", kComma, notNumber("1.000,5")},
        {"period under multi-byte", "2.5", kMiddleDot, notNumber("2.5")},
        {"half a multi-byte separator",
         "2\xC2"
         "5",
         kMiddleDot,
         notNumber("2\xC2"
                   "5")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<double> result = parseNumber(c.text, c.locale);
        ASSERT_FALSE(result.ok()) << *result;
        EXPECT_EQ(result.error().message, c.message);
    }
}

TEST(RoundToDecimals, RoundsTiesToEvenWithoutWrapping)
{
    struct Case {
        const char* name;
        double value;
        int decimals;
        double expected;
    };
    const std::vector<Case> cases = {
        {"tie down to even", 0.125, 2, 0.12},
        {"tie up to even", 0.375, 2, 0.38},
        {"whole tie down", 2.5, 0, 2},
        {"whole tie up", 3.5, 0, 4},
        {"negative tie", -2.5, 0, -2},
        {"half to zero", 0.5, 0, 0},
        {"ordinary", 1234.5678, 2, 1234.57},
        {"binary noise", 0.1 * 3, 2, 0.3},
        {"tens", 1234.5, -1, 1230},
        {"hundreds tie down", 1250, -2, 1200},
        {"hundreds tie up", 1350, -2, 1400},
        {"past 32 bits scaled", 30000000, 2, 30000000},
        {"past 32 bits tie down", 3e9 + 0.5, 0, 3000000000.0},
        {"past 32 bits tie up", 3e9 + 1.5, 0, 3000000002.0},
        {"past 64 bits", 1e19, 0, 1e19},
        {"large negative tie down", -(3e12 + 0.125), 2, -3000000000000.12},
        {"large negative tie up", -3e12 + 0.125, 2, -2999999999999.88},
        {"huge unchanged", 1e300, 4, 1e300},
        {"huge kept bit for bit", 4.983517462392046e+250, 4, 4.983517462392046e+250},
        {"scaled overflow unchanged", 1e308, 10, 1e308},
        {"absurd places unchanged", 5, INT_MAX, 5},
        {"absurd negative places", 5, INT_MIN, 0},
        {"infinity", kInf, 2, kInf},
        {"not a number", kNaN, 2, kNaN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double rounded = roundToDecimals(c.value, c.decimals);
        EXPECT_TRUE(sameValue(rounded, c.expected)) << rounded;
    }
}

// What the text is meant to carry: the value rounded to 15 significant digits.
// Returns false when that rounding itself leaves the double range.
bool roundedTo15(double x, double& out)
{
    if (x == 0) {
        out = x;
        return true;
    }
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    const auto read = std::from_chars(buffer, written.ptr, out);
    return read.ec == std::errc{};
}

TEST(NumberText, FormattedTextReadsBackAndIsStable)
{
    std::mt19937_64 generator(20240601);
    std::vector<double> values = {0.0,
                                  -0.0,
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::min(),
                                  1e15,
                                  1e14,
                                  0.0001,
                                  0.00009,
                                  999999999999999.5};
    while (values.size() < 600) {
        const std::uint64_t bits = generator();
        if (values.size() % 2 == 0) {
            // Arbitrary doubles across the whole exponent range.
            const double x = std::bit_cast<double>(bits);
            if (std::isfinite(x))
                values.push_back(x);
        } else {
            // Values of everyday size, around the plain/exponent boundaries.
            const double mantissa = 1 + 9 * static_cast<double>(bits >> 11) / 9007199254740992.0;
            const int exponent = static_cast<int>(bits % 29) - 9;
            const double sign = (bits >> 5) & 1 ? -1.0 : 1.0;
            values.push_back(sign * mantissa * std::pow(10.0, exponent));
        }
    }
    for (const NumberLocale& locale : {kPoint, kComma}) {
        for (double x : values) {
            double expected = 0;
            // The few values within a rounding step of the double maximum
            // format to text that names a number past it; leave them out.
            if (!roundedTo15(x, expected))
                continue;
            const std::string text = formatGeneral(x, locale);
            SCOPED_TRACE(text);
            const Result<double> back = parseNumber(text, locale);
            ASSERT_TRUE(back.ok()) << back.error().message;
            EXPECT_EQ(*back, expected);
            EXPECT_EQ(formatGeneral(*back, locale), text);
        }
    }
}

}  // namespace
}  // namespace dalvo

namespace dalvo {
namespace {

TEST(FormatForReading, FewerDigitsAndFixedDecimals)
{
    struct Case {
        const char* name;
        std::string actual;
        std::string expected;
    };
    const NumberLocale point{"."};
    const NumberLocale comma{","};
    const std::vector<Case> cases = {
        {"six digits", formatSignificant(1.2197744, 6, point), "1.21977"},
        {"six digits, comma", formatSignificant(1.2197744, 6, comma), "1,21977"},
        {"trailing zeros dropped", formatSignificant(1.5000001, 6, point), "1.5"},
        {"carry", formatSignificant(0.99999999, 6, point), "1"},
        {"exponent form", formatSignificant(1.23456789e-7, 3, point), "1.23E-07"},
        {"one decimal", formatFixed(21.977, 1, point), "22.0"},
        {"one decimal, comma", formatFixed(3.4966, 1, comma), "3,5"},
        {"no decimals", formatFixed(2.4, 0, point), "2"},
        {"negative zero shown as zero", formatFixed(-0.04, 1, point), "0.0"},
        {"negative", formatFixed(-12.346, 2, point), "-12.35"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.name;
}

}  // namespace
}  // namespace dalvo
