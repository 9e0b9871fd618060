// Splits a batch data file into its fields: comma- or line-separated, blanks trimmed, quotes honoured.
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
// and the next separator is ignored.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    // The next field, or nothing at the end of the text. A quote that is not
    // closed on its line is an error: the student most likely forgot it, and
    // reading on would swallow the following fields without a trace.
    Result<std::optional<DataField>> next();

    // The line of the last field read, 0 before the first.
    int lastLine() const { return lastLine_; }

private:
    bool atLineBreak() const;
    void skipLineBreak();
    void skipBlanksAndLineBreaks();
    void skipToSeparator();

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int lastLine_ = 0;
};

}  // namespace dalvo
