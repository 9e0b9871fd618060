// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/batch_formatter.h"

#include <algorithm>
#include <charconv>

#include "files/analysis_file.h"
#include "files/rounded_number.h"
#include "model/character_class.h"

namespace dalvo {

namespace {

constexpr int kNumberDecimals = 2;
constexpr int kGrowthDecimals = 4;
constexpr int kProportionDecimals = 5;
constexpr int kExtensionCharacters = 4;
// Characters a printed number usually takes with its blanks and comma.
constexpr std::size_t kTypicalWidth = 14;

bool isFolderSeparator(char c)
{
#ifdef _WIN32
    return c == '/' || c == '\\';
#else
    return c == '/';
#endif
}

// The printed form of a number: a blank where a minus sign would stand, the
// number, a blank. A period separates the decimals whatever the locale, as a
// comma would run into the commas between the numbers.
void appendNext(std::string& line, double value, int decimals)
{
    const double rounded = roundedTo(value, decimals);
    line += rounded < 0 ? "," : ", ";
    appendRoundedValue(line, rounded, decimals);
    line += ' ';
}

void appendLineStart(std::string& line, int step)
{
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, step);
    if (step >= 0)
        line += ' ';
    line.append(digits, end);
    line += ' ';
}

// Lines for steps 0..T, as far as the steps hold values for them.
int shownSteps(const ProjectedSteps& s)
{
    if (s.lastStep < 0 || s.classes < 1)
        return 0;
    std::size_t held = std::min({static_cast<std::size_t>(s.lastStep) + 1, s.totals.size(), s.growthRates.size(),
                                 s.numbers.size() / static_cast<std::size_t>(s.classes),
                                 s.proportions.size() / static_cast<std::size_t>(s.classes)});
    return static_cast<int>(held);
}

}  // namespace

BatchResultNames batchResultNames(const std::string& dataFileName)
{
    std::size_t nameStart = dataFileName.size();
    while (nameStart > 0 && !isFolderSeparator(dataFileName[nameStart - 1]))
        --nameStart;

    // Characters, not bytes: a name in UTF-8 loses whole characters.
    std::size_t stemEnd = dataFileName.size();
    int dropped = 0;
    while (dropped < kExtensionCharacters && stemEnd > nameStart) {
        --stemEnd;
        if (!isContinuationByte(dataFileName[stemEnd]))
            ++dropped;
    }
    const bool nameLongEnough = dropped == kExtensionCharacters && stemEnd > nameStart;
    const std::string stem = nameLongEnough ? dataFileName.substr(0, stemEnd) : dataFileName;
    return {stem + "-AgeStructure.txt", stem + "-AgeDistribution.txt", stem + kAnalysisSuffix};
}

std::string ageStructureText(const ProjectedSteps& s)
{
    const int lines = shownSteps(s);
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * static_cast<std::size_t>(s.classes + 3) * kTypicalWidth);
    for (int t = 0; t < lines; ++t) {
        appendLineStart(text, t);
        for (int j = 0; j < s.classes; ++j)
            appendNext(text, s.number(t, j), kNumberDecimals);
        appendNext(text, s.totals[static_cast<std::size_t>(t)], kNumberDecimals);
        appendNext(text, s.growthRates[static_cast<std::size_t>(t)], kGrowthDecimals);
        text += "\r\n";
    }
    return text;
}

std::string ageDistributionText(const ProjectedSteps& s)
{
    const int lines = shownSteps(s);
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * static_cast<std::size_t>(s.classes + 1) * kTypicalWidth);
    for (int t = 0; t < lines; ++t) {
        appendLineStart(text, t);
        for (int j = 0; j < s.classes; ++j)
            appendNext(text, s.proportion(t, j), kProportionDecimals);
        text += "\r\n";
    }
    return text;
}

}  // namespace dalvo
