// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/default_values.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/history.h"
#include "model/lenient_read.h"
#include "model/stepwise_run.h"
#include "presentation/main_fields.h"

namespace dalvo {
namespace {

const NumberLocale kPoint{"."};
const NumberLocale kComma{","};

using Edits = std::vector<std::pair<int, std::string>>;

EditorTexts withMatrixEdits(const NumberLocale& locale, const Edits& edits)
{
    EditorTexts texts = designTexts(locale);
    for (const auto& [cell, text] : edits)
        texts.m1[cell] = text;
    return texts;
}

TEST(DefaultValues, DesignTextsAreTheMainWindowsOwnInTheRegionalForm)
{
    struct Case {
        const char* name;
        NumberLocale locale;
        std::string survival;
    };
    for (const Case& c : std::vector<Case>{{"period", kPoint, "0.5"}, {"comma", kComma, "0,5"}}) {
        SCOPED_TRACE(c.name);
        const EditorTexts texts = designTexts(c.locale);
        const std::array<std::string, 16> expected{"0", "1", "2", "1", c.survival, "0", "0",        "0",
                                                   "0", "1", "0", "0", "0",        "0", c.survival, "0"};
        EXPECT_EQ(texts.m1, expected);
        EXPECT_EQ(texts.n0, (std::array<std::string, 4>{"10", "0", "0", "0"}));

        const StepwiseRun run;
        EXPECT_EQ(texts.m1, shownFields(run, c.locale).matrixCells);
        EXPECT_EQ(texts.n0, shownFields(run, c.locale).now);
    }
}

TEST(DefaultValues, EditableCellsAreRowZeroAndTheSubDiagonal)
{
    std::vector<int> editable;
    for (int i = -1; i <= 16; ++i) {
        if (isEditableCell(i))
            editable.push_back(i);
    }
    EXPECT_EQ(editable, (std::vector<int>{0, 1, 2, 3, 4, 9, 14}));
}

TEST(DefaultValues, SurvivalRatesAboveOneAreRefusedInCellOrder)
{
    struct Case {
        const char* name;
        NumberLocale locale;
        Edits edits;
        std::optional<int> refused;
    };
    const std::vector<Case> cases = {
        {"defaults pass", kPoint, {}, std::nullopt},
        {"just above 1", kPoint, {{9, "1.0001"}}, 9},
        {"exactly 1", kPoint, {{9, "1"}}, std::nullopt},
        {"1 with trailing zeros", kPoint, {{14, "1.000"}}, std::nullopt},
        {"negative passes", kPoint, {{4, "-5"}}, std::nullopt},
        {"unreadable passes", kPoint, {{4, "abc"}}, std::nullopt},
        {"empty passes", kPoint, {{14, ""}}, std::nullopt},
        {"only the first failing cell", kPoint, {{4, "2"}, {9, "3"}}, 4},
        {"a later cell when the first passes", kPoint, {{4, "1"}, {9, "0.9"}, {14, "7"}}, 14},
        {"9 before 14", kPoint, {{9, "1.5"}, {14, "2"}}, 9},
        {"comma stops reading under a period locale", kPoint, {{9, "1,5"}}, std::nullopt},
        {"comma is a separator under a comma locale", kComma, {{9, "1,5"}}, 9},
        {"period under a comma locale", kComma, {{4, "1.01"}}, 4},
        {"beyond the double range", kPoint, {{14, "1E400"}}, 14},
        {"hexadecimal", kPoint, {{4, "&H2"}}, 4},
        {"exponent with D", kPoint, {{9, "1D1"}}, 9},
        {"fecundities are not checked", kPoint, {{0, "50"}, {3, "9"}}, std::nullopt},
        {"other cells are not checked", kPoint, {{5, "2"}, {15, "2"}}, std::nullopt},
    };
    for (const Case& c : cases) {
        const EditorTexts texts = withMatrixEdits(c.locale, c.edits);
        EXPECT_EQ(firstRefusedSurvivalRate(texts.m1, c.locale), c.refused) << c.name;
    }
}

TEST(DefaultValues, NormalisedTexts)
{
    struct Case {
        const char* name;
        std::string text;
        NumberLocale locale;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"blanks and trailing zeros", " 2.50", kPoint, "2.5"},
        {"unreadable", "abc", kPoint, "0"},
        {"empty", "", kPoint, "0"},
        {"one blank", " ", kPoint, "0"},
        {"comma under a period locale", "1,5", kPoint, "1"},
        {"comma under a comma locale", "1,5", kComma, "1,5"},
        {"period under a comma locale", " 1.50", kComma, "1,5"},
        {"negative zero", "-0", kPoint, "0"},
        {"hexadecimal", "&HFF", kPoint, "255"},
        {"exponent form", "1.5D20", kPoint, "1.5E+20"},
        {"exponent form, comma", "1.5D20", kComma, "1,5E+20"},
        {"small value", "0.00001", kPoint, "1E-05"},
        {"fifteen digits kept", "0.123456789012345678", kPoint, "0.123456789012346"},
        {"binary noise", "0.30000000000000004", kPoint, "0.3"},
        {"blanks inside", "1 000", kPoint, "1000"},
        {"below the range", "1E-400", kPoint, "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(normalisedText(c.text, c.locale), c.expected) << c.name;
}

// Whatever the student types, the text written back reads again as the value
// it shows: leniently in the editor, strictly in the main window.
TEST(DefaultValues, WrittenBackTextsReadAgainAsTheSameValue)
{
    const std::vector<std::string> typed = {
        "2.5",
        "0.1",
        "1,5",
        "-0.833333333333333333",
        "123456789012345678",
        "1.5E+20",
        "9.99999999999999949E-5",
        "1E-05",
        "4.9E-324",
        "1.7976931348623E308",
        "&HFFFFFFFFFFFFFFFFF",
        "abc",
        " -7 . 25 ",
        "99999.999999999995",
    };
    for (const NumberLocale& locale : {kPoint, kComma}) {
        for (const std::string& text : typed) {
            SCOPED_TRACE("\"" + text + "\" with \"" + locale.decimalSeparator + "\"");
            const std::string written = normalisedText(text, locale);
            EXPECT_EQ(normalisedText(written, locale), written);
            const Result<double> strict = parseNumber(written, locale);
            ASSERT_TRUE(strict.ok()) << written;
            EXPECT_EQ(*strict, readLeniently(written, locale));
        }
    }
}

TEST(DefaultValues, NormaliseWritesEveryCell)
{
    EditorTexts texts = designTexts(kPoint);
    texts.m1[0] = " 2.50";
    texts.m1[1] = "abc";
    texts.m1[2] = "1,5";
    texts.m1[9] = "1";
    texts.n0 = {" 20 ", "", "&O10", "-3e1"};

    const Result<EditorTexts> normalised = normalise(texts, kPoint);

    ASSERT_TRUE(normalised.ok()) << normalised.error().message;
    EXPECT_EQ(normalised.value().m1, (std::array<std::string, 16>{"2.5", "0", "1", "1", "0.5", "0", "0", "0",
                                                                  "0", "1", "0", "0", "0", "0", "0.5", "0"}));
    EXPECT_EQ(normalised.value().n0, (std::array<std::string, 4>{"20", "0", "8", "-30"}));
}

TEST(DefaultValues, ValuesBeyondWhatTheRunCanHoldAreRefusedByName)
{
    struct Case {
        const char* name;
        Edits matrix;
        std::array<std::string, 4> n0;
        std::string named;
    };
    const std::array<std::string, 4> defaultN0{"10", "0", "0", "0"};
    const std::vector<Case> cases = {
        {"fecundity beyond the range", {{0, "1E400"}}, defaultN0, "row 1, column 1"},
        {"negative survival rate beyond the range", {{9, "-1E400"}}, defaultN0, "row 3, column 2"},
        {"rounds past the range when written", {{3, "1.7976931348623157E308"}}, defaultN0, "row 1, column 4"},
        {"hexadecimal beyond the range", {{2, "&H" + std::string(300, 'F')}}, defaultN0, "row 1, column 3"},
        {"initial number beyond the range", {}, {"10", "0", "1E999", "0"}, "age class 2"},
        {"initial numbers add up beyond the range", {}, {"1E308", "1E308", "0", "0"}, "add up"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditorTexts texts = withMatrixEdits(kPoint, c.matrix);
        texts.n0 = c.n0;
        const Result<EditorTexts> normalised = normalise(texts, kPoint);
        ASSERT_FALSE(normalised.ok());
        EXPECT_NE(normalised.error().message.find(c.named), std::string::npos) << normalised.error().message;
    }

    EditorTexts largeButFine = designTexts(kPoint);
    largeButFine.m1[0] = "1E308";
    largeButFine.n0 = {"1E307", "-1E308", "5E307", "0"};
    EXPECT_TRUE(normalise(largeButFine, kPoint).ok());
}

// What "Go Back" hands to the main window starts the new run there.
TEST(DefaultValues, NormalisedTextsStartANewRunInTheMainWindowsModel)
{
    struct Case {
        const char* name;
        NumberLocale locale;
        Edits matrix;
        std::array<std::string, 4> n0;
        std::string total1;
        std::string m0;
    };
    const std::vector<Case> cases = {
        {"defaults", kPoint, {}, {"10", "0", "0", "0"}, "10", "0"},
        {"defaults, comma", kComma, {}, {"10", "0", "0", "0"}, "10", "0"},
        {"edited, period", kPoint, {{0, " 1.50"}, {9, "1"}}, {"2.5", "x", "1,5", " 3"}, "6.5", "1.5"},
        {"edited, comma", kComma, {{0, " 1.50"}, {9, "1"}}, {"2.5", "x", "1,5", " 3"}, "7", "1,5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditorTexts texts = withMatrixEdits(c.locale, c.matrix);
        texts.n0 = c.n0;
        ASSERT_FALSE(firstRefusedSurvivalRate(texts.m1, c.locale).has_value());
        const Result<EditorTexts> normalised = normalise(texts, c.locale);
        ASSERT_TRUE(normalised.ok());

        StepwiseRun model;
        const History& history = model.history();
        ASSERT_TRUE(model.load().ok());
        const Result<NewRun> run = newRunFrom(*normalised, c.locale);
        ASSERT_TRUE(run.ok());
        ASSERT_TRUE(model.startNewRun(run->matrix, run->initial).ok());
        EXPECT_EQ(shownFields(model, c.locale).nowTotal, c.total1);
        EXPECT_EQ(shownFields(model, c.locale).matrixCells[0], c.m0);
        EXPECT_EQ(shownFields(model, c.locale).now, normalised.value().n0);
        EXPECT_EQ(shownFields(model, c.locale).nowStep, "0");
        EXPECT_EQ(history.stepCount(), 0);
        EXPECT_TRUE(model.project().ok());
        EXPECT_EQ(history.stepCount(), 1);
    }
}

}  // namespace
}  // namespace dalvo
