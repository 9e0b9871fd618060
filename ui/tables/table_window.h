// One of the run's two tables in a window of its own: the age structure with growth rates, or the age distribution.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include "model/number_text.h"
#include "model/stepwise_run.h"
#include "ui/common/secondary_window.h"
#include "presentation/history_table_text.h"

class QPushButton;
class QTableView;

namespace dalvo::ui {

class ColumnWidths;
class HistoryTableModel;
class PagePrinter;
class Prompts;
struct ControlSheet;

// Shows the run it is given: filled when built, then again whenever the run
// changes, at once while the window is on screen and otherwise when it is
// next shown, so that a hidden table costs a long run nothing. The age
// structure table (numbers) can print its page; the age distribution
// (proportions) cannot.
class TableWindow : public SecondaryWindow {
    Q_OBJECT
public:
    // `prompts` answers the page printer's questions.
    TableWindow(AgeColumns ages, const StepwiseRun& run, NumberLocale locale, Prompts& prompts,
                QWidget* parent = nullptr);

    // Every control of the window: its names, texts, place and font.
    static const ControlSheet& sheet(AgeColumns ages);

    // The view as a new table shows it: every column as wide as its texts
    // need, the first step in view.
    void resetView();

    AgeColumns ageColumns() const { return ages_; }
    const QTableView& historyTable() const { return *historyTable_; }
    const HistoryTableModel& tableModel() const { return *model_; }
    // Only the age structure table has a printer; nullptr in the other.
    PagePrinter* pagePrinter() { return printer_; }

signals:
    void backToMainRequested();
    // The run's other table: the age distribution from the age structure, and back.
    void otherTableRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildTable(NumberLocale locale);
    void refill();

    const AgeColumns ages_;
    const StepwiseRun& run_;
    bool stale_ = false;
    StepwiseRun::Subscription watch_;

    HistoryTableModel* model_ = nullptr;
    QTableView* historyTable_ = nullptr;
    ColumnWidths* columnWidths_ = nullptr;
    QPushButton* showOtherTableButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* backToMainButton_ = nullptr;
    PagePrinter* printer_ = nullptr;
};

}  // namespace dalvo::ui
