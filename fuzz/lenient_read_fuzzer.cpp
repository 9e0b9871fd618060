// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// Feeds arbitrary text to the default-values editor's lenient reader under
// every kind of decimal separator the program meets.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "model/default_values.h"
#include "model/lenient_read.h"
#include "model/number_text.h"

namespace {

using dalvo::fuzzing::require;

// A period, a comma, a separator of more than one byte (U+066B, the Arabic
// decimal separator) and none at all, which the program treats as a period.
const dalvo::NumberLocale kLocales[] = {{"."}, {","}, {"\xD9\xAB"}, {""}};

// Beyond this the 15-digit text of a value rounds past the largest double,
// so it no longer reads back; the editor refuses such values.
constexpr double kLargestWrittenBack = 1.797693134862315e308;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (const dalvo::NumberLocale& locale : kLocales) {
        const double value = dalvo::readLeniently(input, locale);
        require(!std::isnan(value), "the lenient reader never gives NaN", input);
        if (!std::isfinite(value) || std::fabs(value) >= kLargestWrittenBack)
            continue;

        // "Go Back" writes a cell back in its normalised form; doing so a
        // second time must change nothing, or the matrix would drift.
        const std::string once = dalvo::normalisedText(input, locale);
        require(dalvo::normalisedText(once, locale) == once, "normalising a normalised text changes nothing",
                input);

        // The strict rule agrees wherever it accepts the text.
        const dalvo::Result<double> strict = dalvo::parseNumber(input, locale);
        if (strict.ok())
            require(*strict == value, "the strict and the lenient reader agree", input);
    }
    return 0;
}
