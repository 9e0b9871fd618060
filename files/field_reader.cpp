// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/field_reader.h"

#include "model/character_class.h"

namespace dalvo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

FieldReader::FieldReader(std::string_view text) : text_(text)
{
    if (text_.starts_with(kByteOrderMark))
        pos_ = kByteOrderMark.size();
}

bool FieldReader::isLineBreakAt(std::size_t pos) const
{
    return pos < text_.size() && (text_[pos] == '\n' || text_[pos] == '\r');
}

bool FieldReader::atLineBreak() const
{
    return isLineBreakAt(pos_);
}

std::size_t FieldReader::blanksFrom(std::size_t pos) const
{
    while (pos < text_.size() && isBlank(text_[pos]))
        ++pos;
    return pos;
}

bool FieldReader::emptyLineAhead() const
{
    std::size_t pos = blanksFrom(pos_);
    if (lastLine_ != 0) {
        // The rest of the last field's line must be blank.
        if (!isLineBreakAt(pos))
            return false;
        pos += text_[pos] == '\r' && pos + 1 < text_.size() && text_[pos + 1] == '\n' ? 2 : 1;
        pos = blanksFrom(pos);
    }
    return isLineBreakAt(pos);
}

DataField FieldReader::emptyLine()
{
    pos_ = blanksFrom(pos_);
    if (lastLine_ != 0 && atLineBreak()) {
        skipLineBreak();
        pos_ = blanksFrom(pos_);
    }
    // On the empty line's line break, which the next field skips.
    lastLine_ = line_;
    DataField field;
    field.line = line_;
    return field;
}

void FieldReader::skipLineBreak()
{
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
        ++pos_;
    ++pos_;
    ++line_;
}

void FieldReader::skipBlanksAndLineBreaks()
{
    while (pos_ < text_.size()) {
        if (isBlank(text_[pos_]))
            ++pos_;
        else if (atLineBreak())
            skipLineBreak();
        else
            break;
    }
}

// Leaves the reader after the field's separator: past a comma, or on the
// line break, which the next field skips along with any blank lines.
void FieldReader::skipToSeparator()
{
    while (pos_ < text_.size() && text_[pos_] != ',' && !atLineBreak())
        ++pos_;
    if (pos_ < text_.size() && text_[pos_] == ',')
        ++pos_;
}

Result<std::optional<DataField>> FieldReader::next()
{
    skipBlanksAndLineBreaks();
    if (pos_ >= text_.size())
        return std::optional<DataField>();

    DataField field;
    field.line = line_;
    lastLine_ = line_;

    if (text_[pos_] == '"') {
        const std::size_t start = pos_ + 1;
        std::size_t end = start;
        while (end < text_.size() && text_[end] != '"' && text_[end] != '\n' && text_[end] != '\r')
            ++end;
        if (end >= text_.size() || text_[end] != '"')
            return Error{"a quote opens it but is not closed on that line"};
        field.text.assign(text_.substr(start, end - start));
        pos_ = end + 1;
        skipToSeparator();
        return std::optional<DataField>(std::move(field));
    }

    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !atLineBreak())
        ++pos_;
    field.text.assign(trimmed(text_.substr(start, pos_ - start)));
    if (pos_ < text_.size() && text_[pos_] == ',')
        ++pos_;
    return std::optional<DataField>(std::move(field));
}

}  // namespace dalvo
