// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/saved_run.h"

#include <charconv>
#include <cmath>

#include "files/rounded_number.h"
#include "files/safe_write.h"
#include "model/number_text.h"

namespace dalvo {

namespace {

constexpr char kHeader[] =
    "\"Time\",\"age 0\",\"age 1\",\"age 2\",\"age 3\",\"Total\",\"age distribution 0,1,2,3\"\r\n";
constexpr int kNumberDecimals = 3;
constexpr int kProportionDecimals = 4;

void appendStep(std::string& text, int step)
{
    char buffer[16];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, step);
    text.append(buffer, end);
}

void appendValue(std::string& text, double value, SavePrecision precision, int decimals)
{
    text += ',';
    if (precision == SavePrecision::Rounded)
        appendRounded(text, value, decimals);
    else
        text += formatGeneral(value, kPeriodNumbers);
}

bool stepIsFinite(const StepNumbers& step)
{
    for (std::size_t i = 0; i < step.counts.size(); ++i) {
        if (!std::isfinite(step.counts[i]) || !std::isfinite(step.proportions[i]))
            return false;
    }
    return std::isfinite(step.total);
}

}  // namespace

Result<std::string> savedRunText(const History& history, SavePrecision precision)
{
    const int lastStep = history.stepCount();

    std::string text = kHeader;
    // About 80 characters per record at full precision.
    text.reserve(text.size() + static_cast<std::size_t>(lastStep + 1) * 96);
    for (int t = 0; t <= lastStep; ++t) {
        // A value that is not a number would make the file unreadable to a
        // spreadsheet; the run never records one, so this only guards.
        const StepNumbers& step = history.step(t);
        // The file's columns are those of the four-class run.
        if (step.counts.size() != kAgeClasses)
            return Error{"The run has " + std::to_string(step.counts.size()) +
                         " age classes; a run file holds four, so the run was not saved."};
        if (!stepIsFinite(step)) {
            return Error{"Step " + std::to_string(t) +
                         " of the run holds a value that is not a number, so the run was not saved."};
        }
        appendStep(text, t);
        for (int i = 0; i < kAgeClasses; ++i)
            appendValue(text, step.counts[i], precision, kNumberDecimals);
        appendValue(text, step.total, precision, kNumberDecimals);
        for (int i = 0; i < kAgeClasses; ++i)
            appendValue(text, step.proportions[i], precision, kProportionDecimals);
        text += "\r\n";
    }
    return text;
}

Result<void> saveRunFile(const History& history, SavePrecision precision, const std::string& path)
{
    Result<std::string> text = savedRunText(history, precision);
    if (!text)
        return text.error();
    return replaceFile(path, *text);
}

}  // namespace dalvo
