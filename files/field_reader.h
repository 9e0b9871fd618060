// Splits a batch data file into its fields: comma- or line-separated, blanks trimmed, quotes honoured.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/result.h"

namespace dalvo {

struct DataField {
    std::string text;  // without the surrounding blanks, or the text between the quotes
    int line = 1;      // the line on which the field starts, from 1
};

// Fields are separated by a comma or a line break (CR LF, LF or CR alone).
// Blank lines and a line break right after a comma separate nothing more, so
// "0,1,\r\n2" is three fields; two commas in a row enclose an empty field.
// A field that starts with a double quote runs to the next double quote on
// the same line and may contain commas; anything between the closing quote
// and the next separator is ignored. A UTF-8 byte order mark at the start of
// the text, as some editors write, is not part of the first field.
class FieldReader {
public:
    explicit FieldReader(std::string_view text);

    // The next field, or nothing at the end of the text. A quote that is not
    // closed on its line is an error: the student most likely forgot it, and
    // reading on would swallow the following fields without a trace.
    Result<std::optional<DataField>> next();

    // Whether the next field would start a new line and that line is empty:
    // nothing but blanks follows the last field on its line (or no field was
    // read yet), and the next line holds nothing but blanks before its line
    // break. next() would skip that line; emptyLine() reads it as a field.
    bool emptyLineAhead() const;

    // Reads the empty line that emptyLineAhead() found as an empty field.
    DataField emptyLine();

    // The line of the last field read, 0 before the first.
    int lastLine() const { return lastLine_; }

private:
    bool atLineBreak() const;
    void skipLineBreak();
    void skipBlanksAndLineBreaks();
    void skipToSeparator();
    std::size_t blanksFrom(std::size_t pos) const;
    bool isLineBreakAt(std::size_t pos) const;

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int lastLine_ = 0;
};

}  // namespace dalvo
