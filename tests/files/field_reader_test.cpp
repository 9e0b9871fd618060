// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/field_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace dalvo {
namespace {

using Fields = std::vector<std::pair<std::string, int>>;  // text, line

// All fields up to the end, or up to the first error, which is returned too.
std::pair<Fields, std::string> readAll(const std::string& text)
{
    FieldReader reader(text);
    Fields fields;
    for (;;) {
        Result<std::optional<DataField>> next = reader.next();
        if (!next)
            return {fields, next.error().message};
        if (!next.value())
            return {fields, ""};
        fields.emplace_back(next.value()->text, next.value()->line);
    }
}

TEST(FieldReaderTest, SplitsAtCommasAndLineBreaks)
{
    struct Case {
        const char* name;
        std::string text;
        Fields fields;
    };
    const Case cases[] = {
        {"empty text", "", {}},
        {"only blank lines", " \r\n\r\n  ", {}},
        {"commas on one line", "0,1,2", {{"0", 1}, {"1", 1}, {"2", 1}}},
        {"CR LF", "a\r\nb\r\nc\r\n", {{"a", 1}, {"b", 2}, {"c", 3}}},
        {"plain LF", "a\nb\n", {{"a", 1}, {"b", 2}}},
        {"CR alone", "a\rb", {{"a", 1}, {"b", 2}}},
        {"blanks around fields", "  0.5 ,\t1  \r\n  x y  ", {{"0.5", 1}, {"1", 1}, {"x y", 2}}},
        {"two commas enclose an empty field", "1,,2", {{"1", 1}, {"", 1}, {"2", 1}}},
        {"a comma ending a line", "1,\r\n2", {{"1", 1}, {"2", 2}}},
        {"blank lines between fields", "1\r\n\r\n\r\n2", {{"1", 1}, {"2", 4}}},
        {"a quoted field may hold commas", "\"a, b\",3", {{"a, b", 1}, {"3", 1}}},
        {"blanks inside quotes are kept", "  \" a \" ,4", {{" a ", 1}, {"4", 1}}},
        {"text after a closing quote is ignored", "\"a\"bc,5\r\n6", {{"a", 1}, {"5", 1}, {"6", 2}}},
        {"an empty quoted field", "\"\",1", {{"", 1}, {"1", 1}}},
        {"a NUL inside a field", std::string("a\0b,1", 5), {{std::string("a\0b", 3), 1}, {"1", 1}}},
        {"a line break right after a quote", "\"t\"\r\n2", {{"t", 1}, {"2", 2}}},
        {"a byte order mark before a quote", "\xEF\xBB\xBF\"a, b\",3", {{"a, b", 1}, {"3", 1}}},
        {"a byte order mark only at the start", "\xEF\xBB\xBF\r\n\xEF\xBB\xBF", {{"\xEF\xBB\xBF", 2}}},
    };
    for (const Case& c : cases) {
        const auto [fields, error] = readAll(c.text);
        EXPECT_EQ(error, "") << c.name;
        EXPECT_EQ(fields, c.fields) << c.name;
    }
}

TEST(FieldReaderTest, AQuoteNotClosedOnItsLineIsAnErrorOnThatLine)
{
    struct Case {
        const char* name;
        std::string text;
        int line;
        std::size_t fieldsBefore;
    };
    const Case cases[] = {
        {"at the end of the text", "1,\"open", 1, 1},
        {"at a line break", "1\r\n\"open,2\r\n\"closed\"", 2, 1},
        {"a lone quote", "\"", 1, 0},
    };
    for (const Case& c : cases) {
        FieldReader reader(c.text);
        std::size_t read = 0;
        for (;;) {
            Result<std::optional<DataField>> next = reader.next();
            if (!next) {
                EXPECT_EQ(reader.lastLine(), c.line) << c.name;
                break;
            }
            ASSERT_TRUE(next.value().has_value()) << c.name << ": reached the end without an error";
            ++read;
        }
        EXPECT_EQ(read, c.fieldsBefore) << c.name;
    }
}

}  // namespace
}  // namespace dalvo
