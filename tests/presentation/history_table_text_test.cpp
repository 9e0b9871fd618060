// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "presentation/history_table_text.h"

#include <gtest/gtest.h>

#include "support/history_rows.h"

#include <memory>
#include <string>
#include <vector>

#include "support/default_run.h"

namespace dalvo {
namespace {

std::vector<std::string> row(const History& history, AgeColumns ages, int t)
{
    std::vector<std::string> texts;
    for (int column = 0; column < kTableColumns; ++column)
        texts.push_back(historyTableText(history, ages, t, column, {}));
    return texts;
}

// One step recorded by hand, so that any value can be put in any cell.
HistoryRows twoStepRows()
{
    HistoryRows rows;
    StepNumbers step;
    step.total = 1;
    step.counts[0] = 1;
    step.proportions[0] = 1;
    rows.steps = {step, step};
    rows.growthRates = {1};
    return rows;
}

enum class Cell { Age0, Age3, Total, GrowthRate };

TEST(HistoryTableTextTest, CellTextIsTheValueRoundedThenWrittenByTheNumberRule)
{
    struct Case {
        const char* name;
        AgeColumns ages;
        Cell cell;
        double value;
        std::string separator;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"number, tie down to even", AgeColumns::Numbers, Cell::Age0, 0.125, ".", "0.12"},
        {"number, tie up to even", AgeColumns::Numbers, Cell::Age3, 0.375, ".", "0.38"},
        {"number, below a tie", AgeColumns::Numbers, Cell::Age0, 2.67499, ".", "2.67"},
        {"number, trailing zeros dropped", AgeColumns::Numbers, Cell::Age0, 2.5, ".", "2.5"},
        {"number, whole", AgeColumns::Numbers, Cell::Age0, 7, ".", "7"},
        {"number, tiny negative is zero", AgeColumns::Numbers, Cell::Age0, -0.001, ".", "0"},
        {"number, negative tie", AgeColumns::Numbers, Cell::Age0, -0.125, ".", "-0.12"},
        {"number, regional comma", AgeColumns::Numbers, Cell::Age0, 2.5, ",", "2,5"},
        {"proportion, four places", AgeColumns::Proportions, Cell::Age0, 2.0 / 3.0, ".", "0.6667"},
        {"proportion, tie to even", AgeColumns::Proportions, Cell::Age3, 0.03125, ".", "0.0312"},
        {"proportion, regional comma", AgeColumns::Proportions, Cell::Age0, 0.1234567, ",", "0,1235"},
        {"total, two places", AgeColumns::Numbers, Cell::Total, 1.0 / 3.0, ".", "0.33"},
        {"total, last 32-bit hundredths", AgeColumns::Numbers, Cell::Total, 21474836.47, ".", "21474836.47"},
        {"total, past 32 bits", AgeColumns::Numbers, Cell::Total, 30000000, ".", "30000000"},
        {"total, past 32 bits with cents", AgeColumns::Numbers, Cell::Total, 30000000.126, ".",
         "30000000.13"},
        {"total, far past 32 bits", AgeColumns::Numbers, Cell::Total, 98765432109.876, ".", "98765432109.88"},
        {"total, past 15 digits", AgeColumns::Numbers, Cell::Total, 1.5e20, ".", "1.5E+20"},
        {"total, same in the proportions table", AgeColumns::Proportions, Cell::Total, 30000000.126, ".",
         "30000000.13"},
        {"number, past 32 bits", AgeColumns::Numbers, Cell::Age0, 4294967296.006, ".", "4294967296.01"},
        {"growth rate, 32-bit value", AgeColumns::Numbers, Cell::GrowthRate, 12.5 / 15, ".", "0.8333"},
        // 1.00015 as a 32-bit value lies below the tie, so it rounds down;
        // a decimal text of it ("1.00015") would round up to 1.0002.
        {"growth rate, stored value not its text", AgeColumns::Numbers, Cell::GrowthRate, 1.00015, ".",
         "1.0001"},
        {"growth rate, tie to even", AgeColumns::Proportions, Cell::GrowthRate, 1.03125, ".", "1.0312"},
        {"growth rate, tie up to even", AgeColumns::Numbers, Cell::GrowthRate, 1.09375, ".", "1.0938"},
        {"growth rate, regional comma", AgeColumns::Numbers, Cell::GrowthRate, 1.5, ",", "1,5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HistoryRows rows = twoStepRows();
        int col = 0;
        switch (c.cell) {
            case Cell::Age0:
            case Cell::Age3: {
                const int age = c.cell == Cell::Age0 ? 0 : 3;
                (c.ages == AgeColumns::Numbers ? rows.steps[0].counts : rows.steps[0].proportions)[age] = c.value;
                col = 1 + age;
                break;
            }
            case Cell::Total:
                rows.steps[0].total = c.value;
                col = 5;
                break;
            case Cell::GrowthRate:
                rows.growthRates[0] = static_cast<float>(c.value);
                col = 6;
                break;
        }
        EXPECT_EQ(historyTableText(*rows.build(), c.ages, 0, col, NumberLocale{c.separator}), c.text);
    }
}

TEST(HistoryTableTextTest, ReadsEveryStepOfTheRunAndNothingBeyond)
{
    struct Case {
        const char* name;
        int stepCount;
        std::string lastStep;
    };
    const std::vector<Case> cases = {
        {"nothing projected", 0, "0"},
        {"three projections", 3, "3"},
        {"the last step the history holds", kLastStep, "1000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HistoryRows rows;
        rows.steps.resize(static_cast<std::size_t>(c.stepCount) + 1);
        rows.growthRates.assign(static_cast<std::size_t>(c.stepCount), 9.0f);
        const std::unique_ptr<History> history = rows.build();
        ASSERT_EQ(history->stepCount(), c.stepCount);
        const int last = c.stepCount;
        EXPECT_EQ(historyTableText(*history, AgeColumns::Numbers, last, kStepColumn, {}), c.lastStep);
        EXPECT_EQ(historyTableText(*history, AgeColumns::Numbers, last, kGrowthRateColumn, {}), "-");
        if (last > 0) {
            EXPECT_EQ(historyTableText(*history, AgeColumns::Numbers, last - 1, kGrowthRateColumn, {}), "9");
        }
        EXPECT_EQ(historyTableText(*history, AgeColumns::Numbers, last + 1, kStepColumn, {}), "");
        EXPECT_EQ(historyTableText(*history, AgeColumns::Numbers, -1, kStepColumn, {}), "");
        EXPECT_EQ(historyTableText(*history, AgeColumns::Numbers, 0, kTableColumns, {}), "");
        EXPECT_EQ(historyTableText(*history, AgeColumns::Numbers, 0, -1, {}), "");
    }
}

TEST(HistoryTableTextTest, BothKindsShareStepTotalAndGrowthRateButNotTheAgeColumns)
{
    struct Case {
        int t;
        std::vector<std::string> numbers;
        std::vector<std::string> proportions;
    };
    const std::vector<Case> cases = {
        {0, {"0", "10", "0", "0", "0", "10", "0.5"}, {"0", "1", "0", "0", "0", "10", "0.5"}},
        {3, {"3", "10", "2.5", "0", "2.5", "15", "0.8333"}, {"3", "0.6667", "0.1667", "0", "0.1667", "15", "0.8333"}},
        {4, {"4", "5", "5", "2.5", "0", "12.5", "-"}, {"4", "0.4", "0.4", "0.2", "0", "12.5", "-"}},
    };
    DefaultRun run(4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.t);
        EXPECT_EQ(row(*run.history, AgeColumns::Numbers, c.t), c.numbers);
        EXPECT_EQ(row(*run.history, AgeColumns::Proportions, c.t), c.proportions);
    }
}

TEST(HistoryTableTextTest, ProportionsOfEachRowAddUpToOne)
{
    DefaultRun run(60);
    ASSERT_EQ(run.history->stepCount(), 60);
    for (int t = 0; t <= 60; ++t) {
        double sum = 0;
        for (int column = 1; column <= kAgeClasses; ++column) {
            const Result<double> share =
                parseNumber(historyTableText(*run.history, AgeColumns::Proportions, t, column, {}), {});
            ASSERT_TRUE(share.ok()) << share.error().message;
            sum += *share;
        }
        // Four values each within half a unit of the fourth place.
        EXPECT_NEAR(sum, 1.0, 4 * 0.00005 + 1e-12) << "step " << t;
    }
}

}  // namespace
}  // namespace dalvo
