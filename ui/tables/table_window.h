// One of the run's two tables in a window of its own: the age structure with growth rates, or the age distribution.
#pragma once

#include "model/history.h"
#include "model/number_text.h"
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

// A snapshot: the table is filled by fillFromRun() and keeps its rows while
// the window is hidden, whatever the run does meanwhile. The age structure
// table (numbers) can print its page; the age distribution (proportions)
// cannot.
class TableWindow : public SecondaryWindow {
    Q_OBJECT
public:
    // `prompts` answers the page printer's questions.
    TableWindow(AgeColumns ages, const History& history, NumberLocale locale, Prompts& prompts,
                QWidget* parent = nullptr);

    // Every control of the window: its names, texts, place and font.
    static const ControlSheet& sheet(AgeColumns ages);

    // Rebuilds the whole table from the run as it stands now.
    void fillFromRun();

    AgeColumns ageColumns() const { return ages_; }
    const QTableView& historyTable() const { return *historyTable_; }
    const HistoryTableModel& tableModel() const { return *model_; }
    // Only the age structure table has a printer; nullptr in the other.
    PagePrinter* pagePrinter() { return printer_; }

signals:
    void backToMainRequested();
    // The run's other table: the age distribution from the age structure, and back.
    void otherTableRequested();

private:
    void buildTable(NumberLocale locale);

    const AgeColumns ages_;
    const History& history_;

    HistoryTableModel* model_ = nullptr;
    QTableView* historyTable_ = nullptr;
    ColumnWidths* columnWidths_ = nullptr;
    QPushButton* showOtherTableButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* backToMainButton_ = nullptr;
    PagePrinter* printer_ = nullptr;
};

}  // namespace dalvo::ui
