// One of the run's two tables as a Qt model: a snapshot of the history, one row per step.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QAbstractTableModel>
#include <optional>

#include "model/history.h"
#include "model/number_text.h"
#include "presentation/history_table_text.h"

namespace dalvo::ui {

// The step column is the vertical header and the column headings the
// horizontal one, so both stay in place while the cells scroll; model column
// c is therefore table column c + 1. The snapshot is a copy: projections and
// new runs after it never reach a table on screen.
class HistoryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    HistoryTableModel(AgeColumns ages, NumberLocale locale, QObject* parent);

    // Replaces the whole table with steps 0..stepCount() of `history`.
    void takeSnapshot(const History& history);

    AgeColumns ageColumns() const { return ages_; }
    // The heading of table column `column`, the step column being 0; the step
    // column's sits over the vertical header.
    static QString heading(int column);
    static QString stepHeading() { return heading(kStepColumn); }
    // The text of step `t` in table column `column`, as data() and the
    // vertical header give it, without going through a QVariant.
    QString text(int t, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    AgeColumns ages_;
    NumberLocale locale_;
    // Empty until the first snapshot: the table shows its headings only.
    std::optional<History> snapshot_;
};

}  // namespace dalvo::ui
