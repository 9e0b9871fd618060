// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// Feeds arbitrary bytes to the batch data-file reader. A refusal must explain
// itself in text a message box can show; whatever it accepts is projected and
// printed, and the printed lines must have the promised shape.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/batch_projection.h"
#include "files/batch_reader.h"
#include "files/batch_formatter.h"
#include "fuzz/fuzz_check.h"
#include "model/number_text.h"

namespace {

using dalvo::fuzzing::require;

// Checks every line of a result file: CR LF at the end, `numbers` printed
// numbers separated by commas, each a finite number that reads back, and
// the step number first.
void checkLines(const std::string& text, int lines, int numbers, std::string_view input)
{
    std::size_t start = 0;
    for (int t = 0; t < lines; ++t) {
        const std::size_t end = text.find("\r\n", start);
        require(end != std::string::npos, "a result file holds one line per step 0..T", input);
        const std::string_view line(text.data() + start, end - start);
        require(static_cast<int>(std::count(line.begin(), line.end(), ',')) == numbers - 1,
                "a result line holds the promised count of numbers", input);
        std::size_t fieldStart = 0;
        for (int k = 0; k < numbers; ++k) {
            const std::size_t comma = std::min(line.find(',', fieldStart), line.size());
            const dalvo::Result<double> value =
                dalvo::parseNumber(line.substr(fieldStart, comma - fieldStart), dalvo::NumberLocale{"."});
            require(value.ok(), "every printed number reads back as a finite number", input);
            if (k == 0)
                require(*value == t, "a result line starts with its step", input);
            fieldStart = comma + 1;
        }
        start = end + 2;
    }
    require(start == text.size(), "nothing follows the line of step T", input);
}

// Strict UTF-8 (no overlong forms, surrogates or code points past U+10FFFF)
// without control characters, C0, DEL or C1: what a message box can show
// as it is.
bool isShowableText(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if (lead >= 0xC0 && lead < 0xE0) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead < 0xF8) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr char32_t kSmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallestOfLength[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        if (code < 0x20 || (code >= 0x7F && code <= 0x9F))
            return false;
        i += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const dalvo::Result<dalvo::BatchData> read = dalvo::readBatchData(input);
    if (!read) {
        require(isShowableText(read.error().message), "a reader's message is text a message box can show",
                input);
        return 0;
    }

    const int classes = read->matrix.classes();
    const int steps = read->lastStep;
    require(classes >= 1 && classes <= dalvo::kMaxAgeClasses, "an accepted n gives 1 to 101 classes", input);
    require(read->matrix.survival.size() + 1 == static_cast<std::size_t>(classes) &&
                read->initial.size() == static_cast<std::size_t>(classes),
            "an accepted file gives one survival rate fewer than classes and one initial number each", input);
    require(steps <= dalvo::kBatchLastStep, "an accepted T leaves room for step T + 1", input);

    const dalvo::Result<dalvo::ProjectedSteps> projected = dalvo::projectBatch(*read);
    if (!projected)
        return 0;
    const int lines = steps < 0 ? 0 : steps + 1;
    checkLines(dalvo::ageStructureText(*projected), lines, classes + 3, input);
    checkLines(dalvo::ageDistributionText(*projected), lines, classes + 1, input);
    return 0;
}
