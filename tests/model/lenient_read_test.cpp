// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/lenient_read.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace dalvo {
namespace {

const NumberLocale kPoint{"."};
const NumberLocale kComma{","};
const NumberLocale kArabic{"\xD9\xAB"};  // U+066B, two bytes in UTF-8

constexpr double kInf = std::numeric_limits<double>::infinity();

bool sameValue(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

struct Case {
    const char* name;
    std::string text;
    NumberLocale locale;
    double expected;
};

void expectReads(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        const double read = readLeniently(c.text, c.locale);
        EXPECT_TRUE(sameValue(read, c.expected))
            << c.name << ": \"" << c.text << "\" with \"" << c.locale.decimalSeparator << "\" read as "
            << read << ", expected " << c.expected;
    }
}

TEST(ReadLeniently, ReadsTheLeadingNumber)
{
    expectReads({
        {"whole", "42", kPoint, 42},
        {"leading blanks", " 2.50", kPoint, 2.5},
        {"leading tabs and line feeds", "\t\n \t7", kPoint, 7},
        {"trailing blanks", "3   ", kPoint, 3},
        {"nothing but letters", "abc", kPoint, 0},
        {"empty", "", kPoint, 0},
        {"only blanks", " \t\n", kPoint, 0},
        {"stops at a letter", "12abc", kPoint, 12},
        {"stops at a comma", "1,5", kPoint, 1},
        {"stops at a second period", "1.2.3", kPoint, 1.2},
        {"carriage return is not a blank", "\r5", kPoint, 0},
        {"fraction only", ".5", kPoint, 0.5},
        {"separator at the end", "5.", kPoint, 5},
        {"leading zeros", "007", kPoint, 7},
    });
}

TEST(ReadLeniently, ReadsSigns)
{
    expectReads({
        {"plus", "+3", kPoint, 3},
        {"minus", "-3", kPoint, -3},
        {"minus fraction", "-.25", kPoint, -0.25},
        {"minus zero keeps its sign", "-0", kPoint, -0.0},
        {"lone minus", "-", kPoint, 0},
        {"lone plus", "+", kPoint, 0},
        {"lone period", ".", kPoint, 0},
        {"sign and period", "-.", kPoint, 0},
        {"two signs", "--1", kPoint, 0},
        {"mixed signs", "+-1", kPoint, 0},
        {"sign after the number ends it", "5-3", kPoint, 5},
    });
}

TEST(ReadLeniently, ReadsExponentsWithEOrD)
{
    expectReads({
        {"E", "1E3", kPoint, 1000},
        {"lower-case e", "1e3", kPoint, 1000},
        {"D", "1D3", kPoint, 1000},
        {"lower-case d", "2.5d2", kPoint, 250},
        {"plus sign", "1E+2", kPoint, 100},
        {"minus sign", "1D-2", kPoint, 0.01},
        {"fraction with exponent", "1.5E20", kPoint, 1.5e20},
        {"letter without digits", "2E", kPoint, 2},
        {"letter and sign without digits", "2E-", kPoint, 2},
        {"letter and letter", "2EE3", kPoint, 2},
        {"exponent stops at a period", "1.5E2.5", kPoint, 150},
        {"exponent without mantissa", "E5", kPoint, 0},
        {"beyond the range", "1E400", kPoint, kInf},
        {"beyond the range, negative", "-1D400", kPoint, -kInf},
        {"below the range", "1E-400", kPoint, 0},
        {"largest double", "1.7976931348623157E308", kPoint, std::numeric_limits<double>::max()},
        {"smallest subnormal", "4.9406564584124654E-324", kPoint, std::numeric_limits<double>::denorm_min()},
    });
}

TEST(ReadLeniently, IgnoresBlanksInsideTheNumber)
{
    expectReads({
        {"between digits", "1 2 3", kPoint, 123},
        {"around the period", "2 . 5", kPoint, 2.5},
        {"after the sign", "- 4", kPoint, -4},
        {"inside the exponent", "1 E - 2", kPoint, 0.01},
        {"tab and line feed inside", "1\t0\n0", kPoint, 100},
        {"a street address", "1615 198th Street", kPoint, 1615198},
    });
}

TEST(ReadLeniently, ReadsHexadecimalAndOctalAsNonNegativeWholeNumbers)
{
    expectReads({
        {"hexadecimal", "&HFF", kPoint, 255},
        {"lower-case hexadecimal", "&hff", kPoint, 255},
        {"hexadecimal stops at a non-digit", "&H1G", kPoint, 1},
        {"hexadecimal with all bits of a word", "&HFFFF", kPoint, 65535},
        {"hexadecimal past 32 bits", "&HFFFFFFFF", kPoint, 4294967295.0},
        {"octal", "&O17", kPoint, 15},
        {"lower-case octal", "&o777", kPoint, 511},
        {"octal stops at 8", "&O78", kPoint, 7},
        {"octal past 64 bits", "&O2000000000000000000000", kPoint, 18446744073709551616.0},
        {"blanks inside a prefixed number", " & H 1 0", kPoint, 16},
        {"prefix without digits", "&H", kPoint, 0},
        {"octal prefix without digits", "&O9", kPoint, 0},
        {"unknown prefix", "&B101", kPoint, 0},
        {"ampersand alone", "&", kPoint, 0},
        {"no fraction after a prefixed number", "&H10.5", kPoint, 16},
        {"a sign cannot precede the prefix", "-&H10", kPoint, 0},
    });
}

TEST(ReadLeniently, TakesTheRegionalSeparatorBesideThePeriod)
{
    expectReads({
        {"comma", "1,5", kComma, 1.5},
        {"period under a comma locale", "1.5", kComma, 1.5},
        {"one separator only", "1,5.3", kComma, 1.5},
        {"period then comma", "1.5,3", kComma, 1.5},
        {"comma fraction only", ",25", kComma, 0.25},
        {"comma with exponent", "1,5E+20", kComma, 1.5e20},
        {"negative comma", "-0,833333333333333", kComma, -0.833333333333333},
        {"grouping is not understood", "1.000,5", kComma, 1},
        {"two-byte separator",
         "2\xD9\xAB"
         "5",
         kArabic, 2.5},
        {"period under a two-byte locale", "2.5", kArabic, 2.5},
        {"half a two-byte separator",
         "2\xD9"
         "5",
         kArabic, 2},
        {"empty separator means the period", "2.5", NumberLocale{""}, 2.5},
        {"empty separator does not take a comma", "2,5", NumberLocale{""}, 2},
    });
}

TEST(ReadLeniently, ReadsVeryLongInputs)
{
    struct LongCase {
        const char* name;
        std::string text;
        double expected;
    };
    const std::string ones(5000, '1');
    const std::vector<LongCase> cases = {
        {"many digits beyond the range", ones, kInf},
        {"many digits with a small exponent", "1" + std::string(4000, '0') + "E-4000", 1},
        {"a long fraction", "0." + std::string(3000, '0') + "5E3001", 5},
        {"many leading zeros", std::string(10000, '0') + "42", 42},
        {"many leading blanks", std::string(10000, ' ') + "-8", -8},
        {"long exponent beyond the range", "1E" + std::string(50, '9'), kInf},
        {"long negative exponent", "1E-" + std::string(50, '9'), 0},
        {"long hexadecimal beyond the range", "&H" + std::string(400, 'F'), kInf},
        {"long hexadecimal in range", "&H" + std::string(200, '0') + "1" + std::string(20, '0'), 0x1p80},
        {"long text after the number", "3" + std::string(100000, 'x'), 3},
    };
    for (const LongCase& c : cases)
        EXPECT_TRUE(sameValue(readLeniently(c.text, kPoint), c.expected)) << c.name;
}

}  // namespace
}  // namespace dalvo
