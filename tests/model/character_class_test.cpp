// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include <gtest/gtest.h>

#include "model/character_class.h"

namespace dalvo {
namespace {

// The borders of each class, and the look-alikes a locale or an encoding
// could smuggle in.
TEST(CharacterClassTest, EachCharacterFallsInItsClasses)
{
    struct Case {
        const char* name;
        char c;
        bool digit, blank, continuation;
    };
    const Case cases[] = {
        {"zero", '0', true, false, false},
        {"nine", '9', true, false, false},
        {"slash before zero", '/', false, false, false},
        {"colon after nine", ':', false, false, false},
        {"space", ' ', false, true, false},
        {"tab", '\t', false, true, false},
        {"line end", '\n', false, false, false},
        {"carriage return", '\r', false, false, false},
        {"first continuation byte", '\x80', false, false, true},
        {"last continuation byte", '\xBF', false, false, true},
        {"lead byte of two", '\xC3', false, false, false},
        {"lead byte of four", '\xF0', false, false, false},
        {"no-break space's second byte", '\xA0', false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isDigit(c.c), c.digit);
        EXPECT_EQ(isBlank(c.c), c.blank);
        EXPECT_EQ(isContinuationByte(c.c), c.continuation);
    }
}

}  // namespace
}  // namespace dalvo
