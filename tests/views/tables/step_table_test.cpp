#include "views/tables/step_table.h"

#include <gtest/gtest.h>

#include "support/history_rows.h"

#include <memory>
#include <string>
#include <vector>

#include "table_runs.h"

namespace dalvo {
namespace {

std::vector<std::string> row(const StepTable& table, int r, const NumberLocale& locale = {})
{
    std::vector<std::string> texts;
    for (int c = 0; c < table.Cols(); ++c)
        texts.push_back(table.text(r, c, locale));
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

std::unique_ptr<History> twoSteps()
{
    return twoStepRows().build();
}

enum class Cell { Age0, Age3, Total, GrowthRate };

TEST(StepTableTest, CellTextIsTheValueRoundedThenWrittenByTheNumberRule)
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
        const StepTable table(*rows.build(), c.ages);
        EXPECT_EQ(table.text(1, col, NumberLocale{c.separator}), c.text);
    }
}

TEST(StepTableTest, HeadersAreTheSameInBothTables)
{
    const std::vector<std::string> headers = {"Time",  "age 0",    "age 1",      "age 2",
                                              "age 3", "total(t)", "growth rate"};
    for (AgeColumns ages : {AgeColumns::Numbers, AgeColumns::Proportions}) {
        const StepTable table(*twoSteps(), ages);
        EXPECT_EQ(row(table, 0), headers);
        EXPECT_EQ(row(StepTable(), 0), headers);
    }
}

TEST(StepTableTest, ReadsEveryStepOfTheRunAndNothingBeyond)
{
    struct Case {
        const char* name;
        int stepCount;
        int rows;
        std::string lastStep;
    };
    const std::vector<Case> cases = {
        {"nothing projected", 0, 2, "0"},
        {"three projections", 3, 5, "3"},
        {"the last step the history holds", kLastStep, kLastStep + 2, "1000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HistoryRows rows;
        rows.steps.resize(static_cast<std::size_t>(c.stepCount) + 1);
        rows.growthRates.assign(static_cast<std::size_t>(c.stepCount), 9.0f);
        const StepTable table(*rows.build(), AgeColumns::Numbers);
        EXPECT_EQ(table.Rows(), c.rows);
        const int last = c.rows - 1;
        EXPECT_EQ(table.text(last, 0, {}), c.lastStep);
        EXPECT_EQ(table.text(last, 6, {}), "-");
        if (last > 1) {
            EXPECT_EQ(table.text(last - 1, 6, {}), "9");
        }
        EXPECT_EQ(table.text(last + 1, 0, {}), "");
        EXPECT_EQ(table.text(-1, 0, {}), "");
        EXPECT_EQ(table.text(1, StepTable::kCols, {}), "");
        EXPECT_EQ(table.text(1, -1, {}), "");
    }
}

TEST(StepTableTest, IsASnapshotThatLaterProjectionsDoNotReach)
{
    DefaultRun run(2);
    const StepTable numbers(*run.history, AgeColumns::Numbers);
    const StepTable shares(*run.history, AgeColumns::Proportions);
    run.project(3);
    ASSERT_EQ(run.history->stepCount(), 5);

    EXPECT_EQ(numbers.Rows(), 4);
    EXPECT_EQ(row(numbers, 3), (std::vector<std::string>{"2", "5", "0", "5", "0", "10", "-"}));
    EXPECT_EQ(shares.Rows(), 4);
    EXPECT_EQ(row(shares, 3), (std::vector<std::string>{"2", "0.5", "0", "0.5", "0", "10", "-"}));
}

TEST(StepTableTest, ProportionsOfEachRowAddUpToOne)
{
    DefaultRun run(60);
    const StepTable table(*run.history, AgeColumns::Proportions);
    ASSERT_EQ(table.Rows(), 62);
    for (int r = 1; r < table.Rows(); ++r) {
        double sum = 0;
        for (int c = 1; c <= 4; ++c) {
            const Result<double> share = parseNumber(table.text(r, c, {}), {});
            ASSERT_TRUE(share.ok()) << share.error().message;
            sum += *share;
        }
        // Four values each within half a unit of the fourth place.
        EXPECT_NEAR(sum, 1.0, 4 * 0.00005 + 1e-12) << "row " << r;
    }
}

}  // namespace
}  // namespace dalvo
