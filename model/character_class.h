// The character classes every reader of the program's texts agrees on: digits, blanks, UTF-8 continuation bytes.
#pragma once

namespace dalvo {

// ASCII digits only: no locale may widen what counts as a number.
constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// What may stand around a number on its line; a line end is not a blank.
constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A byte that continues a UTF-8 character rather than starting one.
constexpr bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace dalvo
