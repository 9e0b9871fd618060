// The text of a keyed results file: one line per item, its key first, then its values, comma-separated, CR LF.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/number_text.h"

namespace dalvo {

// Numbers are in the general format with a period; an undefined value (empty,
// or not a number) is an empty field, so that a list keeps its length.
class KeyedLines {
public:
    void add(const char* key, std::optional<double> value)
    {
        text_ += key;
        text_ += ',';
        addNumber(value);
        text_ += "\r\n";
    }

    // `count` fields, the values first and empty fields after them.
    void add(const char* key, const std::vector<double>& values, std::size_t count)
    {
        text_ += key;
        for (std::size_t j = 0; j < count; ++j) {
            text_ += ',';
            addNumber(j < values.size() ? std::optional<double>(values[j]) : std::nullopt);
        }
        text_ += "\r\n";
    }

    // A text with a comma is quoted, as a data file quotes it.
    void addText(const char* key, const std::string& text)
    {
        const bool quoted = text.find(',') != std::string::npos;
        text_ += key;
        text_ += quoted ? ",\"" : ",";
        text_ += text;
        text_ += quoted ? "\"\r\n" : "\r\n";
    }

    std::string take() { return std::move(text_); }

private:
    void addNumber(std::optional<double> value)
    {
        if (value && !std::isnan(*value))
            text_ += formatGeneral(*value, kPeriodNumbers);
    }

    std::string text_;
};

}  // namespace dalvo
