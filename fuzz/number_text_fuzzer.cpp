// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// Feeds arbitrary text to the strict text-to-number rule with a period and a
// comma as decimal separator, and checks the number-to-text rule on whatever
// it accepts.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/rounded_number.h"
#include "fuzz/fuzz_check.h"
#include "model/number_text.h"

namespace {

using dalvo::fuzzing::require;

const dalvo::NumberLocale kLocales[] = {{"."}, {","}};

// Beyond this the 15-digit text of a value rounds past the largest double.
constexpr double kLargestWrittenBack = 1.797693134862315e308;

// The decimals the result files round to.
constexpr int kPrintedDecimals[] = {2, 4, 5};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (const dalvo::NumberLocale& locale : kLocales) {
        const dalvo::Result<double> parsed = dalvo::parseNumber(input, locale);
        if (!parsed.ok())
            continue;
        const double value = *parsed;
        require(std::isfinite(value), "an accepted text is a finite number", input);

        // Fifteen digits do not always hold a double exactly, but the text
        // of the value read back from them is the same text.
        const std::string text = dalvo::formatGeneral(value, locale);
        const dalvo::Result<double> again = dalvo::parseNumber(text, locale);
        if (std::fabs(value) < kLargestWrittenBack) {
            require(again.ok(), "a written number reads back", input);
            require(dalvo::formatGeneral(*again, locale) == text, "a written number's text is stable", input);
        }

        // The result files' fast route prints exactly what the general form
        // prints for the rounded value.
        for (int decimals : kPrintedDecimals) {
            std::string printed;
            dalvo::appendRounded(printed, value, decimals);
            require(printed == dalvo::formatGeneral(dalvo::roundToDecimals(value, decimals),
                                                    dalvo::NumberLocale{"."}),
                    "a rounded number prints as the general form of its rounded value", input);
        }
    }
    return 0;
}
