// Keeps the history table's columns wide enough for their texts: fitted on each fill, widened at will, never cut.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QObject>
#include <vector>

class QTableView;

namespace dalvo::ui {

class HistoryTableModel;

// Widths come from every text of the model and its headings, so a long
// run's totals with exponents widen their column; no column is narrower
// than `minimumWidth` pixels. The student may widen a column by its header,
// but a narrower width than its texts need springs back.
class ColumnWidths : public QObject {
    Q_OBJECT
public:
    // `view` shows `table`; the step column is its vertical header.
    ColumnWidths(QTableView* view, const HistoryTableModel& table, int minimumWidth);

    // Measures the model's texts as they are now; any widening is dropped.
    void fit();

private:
    int neededForColumn(int column) const;
    int neededForText(qreal textWidth) const;
    int neededForHeading(const QString& heading) const;
    void keepWide(int section, int oldSize, int newSize);

    QTableView* view_;
    const HistoryTableModel& table_;
    int minimumWidth_;
    // Per table column, the step column first, the width its texts need.
    std::vector<int> needed_;
};

}  // namespace dalvo::ui
