// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/batch_reader.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "files/field_reader.h"
#include "model/character_class.h"
#include "model/number_text.h"
#include "model/source_text.h"

namespace dalvo {

namespace {

// A field's text is quoted in a message only this far, so that a runaway
// line cannot flood the message box.
constexpr std::size_t kShownCharacters = 40;

// Length of the well-formed UTF-8 character at `i`, or 0 for a stray byte.
// Overlong forms, surrogates and code points past U+10FFFF are not well
// formed: a message box would show them as replacement marks.
std::size_t characterLength(const std::string& text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if (!isContinuationByte(text[i + k]))
            return 0;
    }
    if (length >= 3) {
        const auto second = static_cast<unsigned char>(text[i + 1]);
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
            (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
            return 0;
    }
    return length;
}

// C0 controls, DEL and the C1 controls U+0080..U+009F.
bool isControlCharacter(const std::string& text, std::size_t i, std::size_t length)
{
    const auto byte = static_cast<unsigned char>(text[i]);
    if (length == 1)
        return byte < 0x20 || byte == 0x7F;
    return length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
}

// The field as a message may quote it: cut short, with a tab shown as a
// blank, other control characters and bytes that are not text as '?', so that a binary file cannot
// garble the message.
std::string shown(const std::string& text)
{
    std::string result = "\"";
    std::size_t characters = 0;
    std::size_t i = 0;
    while (i < text.size() && characters < kShownCharacters) {
        const std::size_t length = characterLength(text, i);
        if (length == 0) {
            result += '?';
            i += 1;
        } else if (text[i] == '\t') {
            result += ' ';
            i += 1;
        } else if (isControlCharacter(text, i, length)) {
            result += '?';
            i += length;
        } else {
            result.append(text, i, length);
            i += length;
        }
        ++characters;
    }
    if (i < text.size())
        result += "...";
    result += '"';
    return result;
}

// Written as a number is written, whether or not a double holds it ("1E999"
// does not): blanks around, an optional sign, digits with at most one
// period, and an optional exponent with digits.
bool isWrittenAsNumber(const std::string& text)
{
    std::size_t pos = 0;
    std::size_t end = text.size();
    while (pos < end && isBlank(text[pos]))
        ++pos;
    while (end > pos && isBlank(text[end - 1]))
        --end;
    if (pos < end && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    bool digits = false;
    while (pos < end && isDigit(text[pos])) {
        ++pos;
        digits = true;
    }
    if (pos < end && text[pos] == '.') {
        ++pos;
        while (pos < end && isDigit(text[pos])) {
            ++pos;
            digits = true;
        }
    }
    if (!digits)
        return false;
    if (pos < end && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < end && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        if (pos == end || !isDigit(text[pos]))
            return false;
        while (pos < end && isDigit(text[pos]))
            ++pos;
    }
    return pos == end;
}

// A blank or a tab between two parts: several numbers on one line without
// commas between them ("0 1 2 1").
bool hasInnerBlank(const std::string& text)
{
    return text.find_first_of(" \t") != std::string::npos;
}

// Only the characters numbers are made of, in an order no number takes
// ("1.2.3", "--5", "5e").
bool hasOnlyNumberCharacters(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789+-.eE") == std::string::npos;
}

// Why a field that should be a number is not one: %1 the line, %2 the
// field, %3 what belongs there.
const char* notANumberBecause(const std::string& text)
{
    if (isWrittenAsNumber(text))
        return sourceText("dalvo::Error", "Line %1: %3 is %2, which is too large to use.");
    if (hasInnerBlank(text))
        return sourceText("dalvo::Error",
                          "Line %1: %3 is %2, which is not a number (numbers are separated by "
                          "commas, not by blanks or tabs).");
    if (hasOnlyNumberCharacters(text))
        return sourceText(
            "dalvo::Error",
            "Line %1: %3 is %2, which is not a number (numbers are written like 12, -0.5 or 1.5E+3).");
    return sourceText(
        "dalvo::Error",
        "Line %1: %3 is %2, which is not a number (numbers use a period as decimal separator).");
}

class DataReader {
public:
    explicit DataReader(std::string_view text)
        : fields_(text), onlyBlankLines_(text.find_first_not_of("\xEF\xBB\xBF") != std::string_view::npos)
    {
    }

    Result<DataField> field(const Error& what)
    {
        Result<std::optional<DataField>> next = fields_.next();
        if (!next)
            return explained(sourceText("dalvo::Error",
                                        "Line %1: %2 starts with a quote that is not closed on that line."),
                             {std::to_string(fields_.lastLine())}, {what});
        if (!next.value().has_value()) {
            if (fields_.lastLine() == 0) {
                return explained(onlyBlankLines_
                                     ? sourceText("dalvo::Error",
                                                  "The file holds nothing but blank lines; it must "
                                                  "start with a title and the highest age index n.")
                                     : sourceText("dalvo::Error",
                                                  "The file is empty; it must start with a title and "
                                                  "the highest age index n."));
            }
            return explained(sourceText("dalvo::Error",
                                        "The file ends after line %1, before %2; a complete file "
                                        "runs on to the number of steps T."),
                             {std::to_string(fields_.lastLine())}, {what});
        }
        return std::move(next.value().value());
    }

    Result<double> number(const Error& what)
    {
        Result<DataField> read = field(what);
        if (!read)
            return read.error();
        const DataField& f = *read;
        if (f.text.empty())
            return explained(sourceText("dalvo::Error", "Line %1: %2 is empty; a number is expected there."),
                             {std::to_string(f.line)}, {what});
        Result<double> value = parseNumber(f.text, kPeriodNumbers);
        if (!value)
            return explained(notANumberBecause(f.text), {std::to_string(f.line), shown(f.text)}, {what});
        lastNumberLine_ = f.line;
        lastNumberText_ = f.text;
        return *value;
    }

    // A whole number within lowest..highest; `rule` says what is allowed.
    Result<int> wholeNumber(const Error& what, double lowest, double highest, const Error& rule)
    {
        Result<double> value = number(what);
        if (!value)
            return value.error();
        if (*value != std::floor(*value) || *value < lowest || *value > highest) {
            return explained(sourceText("dalvo::Error", "Line %1: %3 is %2; it must be %4."),
                             {std::to_string(lastNumberLine_), shown(lastNumberText_)}, {what, rule});
        }
        return static_cast<int>(*value);
    }

    // Anything goes in a label, an empty line too.
    // Blank lines before a label are skipped as anywhere else, unless a
    // number follows them: then the first of them stood where the label
    // belongs and is an empty label, and the number is the next field. (A
    // label written as a bare number after a blank line is read as that
    // number; a label holds words.)
    // `text`, when given, receives the label as read.
    Result<void> label(const Error& what, std::string* text = nullptr)
    {
        if (fields_.emptyLineAhead()) {
            FieldReader ahead = fields_;
            ahead.emptyLine();
            Result<std::optional<DataField>> following = ahead.next();
            if (following && following.value() && isWrittenAsNumber(following.value()->text)) {
                fields_.emptyLine();
                return {};
            }
        }
        Result<DataField> read = field(what);
        if (!read)
            return read.error();
        if (text != nullptr)
            *text = read.value().text;
        return {};
    }

    // `count` numbers in a row, each named by `what` with its index j as %1.
    Result<std::vector<double>> numbers(const char* what, int count)
    {
        std::vector<double> values;
        values.reserve(static_cast<std::size_t>(count));
        for (int j = 0; j < count; ++j) {
            const Result<double> value = number(explained(what, {std::to_string(j)}));
            if (!value)
                return value.error();
            values.push_back(*value);
        }
        return values;
    }

private:
    FieldReader fields_;
    bool onlyBlankLines_;  // when the reader finds no field at all: not a file without a byte
    int lastNumberLine_ = 0;
    std::string lastNumberText_;
};

}  // namespace

Result<BatchData> readBatchData(std::string_view text)
{
    DataReader reader(text);

    std::string title;
    if (Result<void> read = reader.label(explained(sourceText("dalvo::Error", "the title")), &title); !read)
        return read.error();
    const Result<int> lastAge = reader.wholeNumber(
        explained(sourceText("dalvo::Error", "the highest age index n")), 0, kBatchLastAge,
        explained(sourceText("dalvo::Error", "a whole number from 0 to %1 (at most %2 age classes)"),
                  {std::to_string(kBatchLastAge), std::to_string(kMaxAgeClasses)}));
    if (!lastAge)
        return lastAge.error();
    const int classes = *lastAge + 1;
    BatchData data;
    data.title = std::move(title);

    if (Result<void> label =
            reader.label(explained(sourceText("dalvo::Error", "the label before the fecundities")));
        !label)
        return label.error();
    Result<std::vector<double>> fecundity =
        reader.numbers(sourceText("dalvo::Error", "the fecundity F(%1)"), classes);
    if (!fecundity)
        return fecundity.error();
    data.matrix.fecundity = std::move(fecundity.value());

    if (Result<void> label =
            reader.label(explained(sourceText("dalvo::Error", "the label before the survival rates")));
        !label)
        return label.error();
    Result<std::vector<double>> survival =
        reader.numbers(sourceText("dalvo::Error", "the survival rate P(%1)"), classes);
    if (!survival)
        return survival.error();
    data.matrix.survival = std::move(survival.value());
    data.matrix.survival.pop_back();

    if (Result<void> label =
            reader.label(explained(sourceText("dalvo::Error", "the label before the initial numbers")));
        !label)
        return label.error();
    data.initial.assign(static_cast<std::size_t>(classes), 0.0);
    // A negative value ends a short list: it and every later class count 0.
    for (int j = 0; j < classes; ++j) {
        const Result<double> value = reader.number(
            explained(sourceText("dalvo::Error", "the initial number X(0, %1)"), {std::to_string(j)}));
        if (!value)
            return value.error();
        if (*value < 0)
            break;
        data.initial[static_cast<std::size_t>(j)] = *value;
    }

    if (Result<void> label =
            reader.label(explained(sourceText("dalvo::Error", "the label before the number of steps T")));
        !label)
        return label.error();
    const Result<int> steps = reader.wholeNumber(
        explained(sourceText("dalvo::Error", "the number of steps T")),
        std::numeric_limits<std::int16_t>::min(), kBatchLastStep,
        explained(
            sourceText("dalvo::Error",
                       "a whole number from %1 to %2 (a negative T writes empty result files)"),
            {std::to_string(std::numeric_limits<std::int16_t>::min()), std::to_string(kBatchLastStep)}));
    if (!steps)
        return steps.error();
    data.lastStep = *steps;
    return data;
}

}  // namespace dalvo
