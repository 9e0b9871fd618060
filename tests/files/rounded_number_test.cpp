// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/rounded_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "model/number_text.h"

namespace dalvo {
namespace {

std::string rounded(double value, int decimals)
{
    std::string text;
    appendRounded(text, value, decimals);
    return text;
}

std::string generalForm(double value, int decimals)
{
    return formatGeneral(roundToDecimals(value, decimals), NumberLocale{"."});
}

TEST(RoundedNumberTest, KnownValues)
{
    struct Case {
        const char* name;
        double value;
        int decimals;
        std::string text;
    };
    const Case cases[] = {
        {"whole", 10, 3, "10"},
        {"a leading zero", 0.5, 4, "0.5"},
        {"trailing zeros dropped", 2.5000001, 3, "2.5"},
        {"tie to even, down", 0.125, 2, "0.12"},
        {"tie to even, up", 0.375, 2, "0.38"},
        {"negative", -1234.56789, 2, "-1234.57"},
        {"rounds to minus zero", -0.0001, 2, "0"},
        {"smallest plain value", 0.0001, 5, "0.0001"},
        {"below the plain range", 0.00007, 5, "7E-05"},
        {"beyond the 32-bit range", 30000000.126, 2, "30000000.13"},
        {"fifteen digits", 1234567890123.45, 2, "1234567890123.45"},
        {"more than fifteen digits", 12345678901234.56, 2, "12345678901234.6"},
        {"exponent form", 1.5e20, 3, "1.5E+20"},
        {"no decimals", 41.5, 0, "42"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rounded(c.value, c.decimals), c.text) << c.name;
}

// The direct route must never differ from the general number form.
TEST(RoundedNumberTest, AgreesWithTheGeneralFormEverywhere)
{
    std::mt19937_64 random(20240607);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-9, 18);
    for (int i = 0; i < 30000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        for (int decimals : {0, 2, 3, 4, 5, 9})
            ASSERT_EQ(rounded(value, decimals), generalForm(value, decimals)) << value << " to " << decimals;
    }
    // Decimal ties and near-ties, where the two routes could part ways.
    for (int k = -30000; k <= 30000; ++k) {
        for (int decimals : {2, 3, 4, 5}) {
            const double tie = (k + 0.5) / std::pow(10.0, decimals);
            ASSERT_EQ(rounded(tie, decimals), generalForm(tie, decimals)) << tie << " to " << decimals;
            const double exact = k / std::pow(10.0, decimals);
            ASSERT_EQ(rounded(exact, decimals), generalForm(exact, decimals)) << exact << " to " << decimals;
        }
    }
}

}  // namespace
}  // namespace dalvo
