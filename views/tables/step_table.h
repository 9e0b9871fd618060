// A snapshot of the run, one row per step, and the text of every cell of the two tables.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/history.h"
#include "model/number_text.h"

namespace dalvo {

// What the four age columns hold: the numbers in each age class (detail
// table) or each class's share of the total (age-distribution table).
enum class AgeColumns { Numbers, Proportions };

// Rows and columns are counted as the grid counts them: row 0 is the header
// row and column 0 the step column, so row t + 1 describes step t.
class StepTable {
public:
    static constexpr int kCols = 7;
    static constexpr std::array<std::string_view, kCols> kHeaders = {
        "Time", "age 0", "age 1", "age 2", "age 3", "total(t)", "growth rate"};

    // Just the header row.
    StepTable() = default;

    // Copies steps 0..stepCount(), so that later projections do not reach a
    // table that is already on screen. Entries past stepCount() may belong to
    // an earlier run and are never read.
    StepTable(const History& history, AgeColumns ages);

    // The header row and one row per step.
    int Rows() const { return static_cast<int>(steps_.size()) + 1; }
    int Cols() const { return kCols; }
    AgeColumns ages() const { return ages_; }

    // The text the grid shows in a cell; empty outside the table.
    std::string text(int row, int col, const NumberLocale& locale) const;

private:
    struct Step {
        std::array<double, kAgeClasses> ages;
        double total;
        // Kept at the stored 32-bit precision: the table rounds that value,
        // not a longer decimal form of it.
        float growthRate;
    };

    std::vector<Step> steps_;
    AgeColumns ages_ = AgeColumns::Numbers;
};

}  // namespace dalvo
