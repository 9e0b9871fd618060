// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/tables/history_table_model.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <memory>
#include <vector>

#include "support/table_runs.h"

namespace dalvo::ui {
namespace {

TEST(HistoryTableModelTest, HeadingsAreTheSameInBothKindsBeforeAndAfterAFill)
{
    DefaultRun run(2);
    for (AgeColumns ages : {AgeColumns::Numbers, AgeColumns::Proportions}) {
        HistoryTableModel model(ages, {}, nullptr);
        for (bool filled : {false, true}) {
            SCOPED_TRACE(filled ? "filled" : "empty");
            if (filled)
                model.takeSnapshot(*run.history);
            QStringList headings{HistoryTableModel::stepHeading()};
            for (int column = 0; column < model.columnCount(); ++column)
                headings << model.headerData(column, Qt::Horizontal).toString();
            EXPECT_EQ(headings, kHeadings);
            EXPECT_EQ(model.rowCount(), filled ? 3 : 0);
        }
    }
}

// A table on screen keeps what it was given: neither later projections nor
// a new run with fewer steps reach it, and none of its rows goes unread.
TEST(HistoryTableModelTest, IsASnapshotThatLaterChangesOfTheRunDoNotReach)
{
    struct Case {
        const char* name;
        void (*change)(DefaultRun&);
    };
    const std::vector<Case> cases = {
        {"three more projections", [](DefaultRun& run) { run.project(3); }},
        {"a new run from step 0", [](DefaultRun& run) { ASSERT_TRUE(run.model.startNewRun(defaultMatrix(), {7, 7, 7, 7}).ok()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DefaultRun run(2);
        HistoryTableModel numbers(AgeColumns::Numbers, {}, nullptr);
        numbers.takeSnapshot(*run.history);
        HistoryTableModel shares(AgeColumns::Proportions, {}, nullptr);
        shares.takeSnapshot(*run.history);
        const QList<QStringList> before = allRows(numbers);
        c.change(run);

        EXPECT_EQ(allRows(numbers), before);
        ASSERT_EQ(numbers.rowCount(), 3);
        EXPECT_EQ(stepRow(numbers, 2), QStringList({"2", "5", "0", "5", "0", "10", "-"}));
        ASSERT_EQ(shares.rowCount(), 3);
        EXPECT_EQ(stepRow(shares, 2), QStringList({"2", "0.5", "0", "0.5", "0", "10", "-"}));
    }
}

TEST(HistoryTableModelTest, ANewSnapshotResetsTheModelAndReadsTheRunAsItIsNow)
{
    DefaultRun run(2);
    HistoryTableModel model(AgeColumns::Numbers, {}, nullptr);
    model.takeSnapshot(*run.history);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    run.project(2);
    model.takeSnapshot(*run.history);
    EXPECT_EQ(reset.count(), 1);
    ASSERT_EQ(model.rowCount(), 5);
    EXPECT_EQ(stepRow(model, 2).last(), "1.5");
    EXPECT_EQ(stepRow(model, 4), QStringList({"4", "5", "5", "2.5", "0", "12.5", "-"}));
}

TEST(HistoryTableModelTest, CellsAreCentredReadOnlyAndNothingLiesOutsideTheTable)
{
    DefaultRun run(1);
    HistoryTableModel model(AgeColumns::Numbers, NumberLocale{","}, nullptr);
    model.takeSnapshot(*run.history);
    const QModelIndex cell = model.index(1, 1);
    EXPECT_EQ(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    EXPECT_EQ(model.headerData(1, Qt::Vertical, Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignCenter);
    EXPECT_EQ(model.flags(cell), Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    EXPECT_FALSE(model.flags(cell) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(cell, "9"));
    EXPECT_EQ(cell.data().toString(), "5");

    EXPECT_FALSE(model.index(2, 0).isValid());
    EXPECT_FALSE(model.index(0, 6).isValid());
    EXPECT_EQ(model.headerData(2, Qt::Vertical).toString(), "");
    EXPECT_EQ(model.headerData(6, Qt::Horizontal).toString(), "");
    EXPECT_EQ(model.headerData(-1, Qt::Horizontal).toString(), "");
    EXPECT_EQ(model.rowCount(model.index(0, 0)), 0);
    EXPECT_EQ(model.columnCount(model.index(0, 0)), 0);
}

}  // namespace
}  // namespace dalvo::ui
