// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/result.h"

#include <gtest/gtest.h>

namespace dalvo {
namespace {

TEST(ErrorTextTest, ArgumentsGoInOnceEach)
{
    struct Case {
        const char* name;
        const char* text;
        std::vector<std::string> arguments;
        const char* message;
    };
    const Case cases[] = {
        {"in order", "row %1, column %2", {"3", "4"}, "row 3, column 4"},
        {"out of order and twice", "%2 before %1 and %2", {"a", "b"}, "b before a and b"},
        {"an argument holding a marker stays", "\"%1\" is %2", {"%2", "x"}, "\"%2\" is x"},
        {"a percent sign that marks nothing", "grows by %1 % each step", {"5"}, "grows by 5 % each step"},
        {"a marker without its argument stays", "%1 of %2", {"one"}, "one of %2"},
        {"a marker at the very end", "ends with %", {}, "ends with %"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(explained(c.text, c.arguments).message, c.message) << c.name;
}

}  // namespace
}  // namespace dalvo
