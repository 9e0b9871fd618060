// The character classes every reader of the program's texts agrees on: digits, blanks, UTF-8 continuation bytes.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string_view>

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

// `text` without the blanks around it.
constexpr std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A byte that continues a UTF-8 character rather than starting one.
constexpr bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace dalvo
