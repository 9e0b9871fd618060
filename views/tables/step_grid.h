// The grid of both tables: a fixed header row and step column around centred, read-only cells.
#pragma once

#include <QString>
#include <QTableView>
#include <vector>

#include "model/number_text.h"
#include "views/tables/step_table.h"

class QAbstractButton;

namespace dalvo::ui {

class StepTableModel;

// Cell texts are made when a cell comes into view, so a run of a thousand
// steps shows as quickly as a short one; only the column widths are worked
// out from every text when a table is shown. Columns may be widened by the
// student but never made too narrow for their texts.
class StepGrid : public QTableView {
    Q_OBJECT
public:
    StepGrid(NumberLocale locale, QWidget* parent);

    // Shows a new table from its first row; nothing of the old one remains.
    void setTable(StepTable table);

    // The grid's size and texts in its own terms: row 0 is the header row,
    // column 0 the step column.
    int Rows() const;
    int Cols() const;
    QString TextMatrix(int row, int col) const;

    // The selected cells as lines of tab-separated texts, one line per row
    // from the first to the last selected row; a cell inside that block that
    // is not selected is left empty, so that the columns stay in line. The
    // current cell alone when nothing is selected.
    QString selectedText() const;

    // The fixed cell over the step column, which heads that column.
    QAbstractButton* cornerCell() const { return corner_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paintCorner();
    // Narrowest width in pixels that shows grid column `col` whole: its
    // widest text with the cell margins, and never below the table's own
    // column width.
    int neededWidth(int col) const;
    void fitColumns();
    void keepColumnWide(int section, int oldSize, int newSize);

    StepTableModel* model_ = nullptr;
    QAbstractButton* corner_ = nullptr;
    // Per grid column, the width its texts need; section c of the horizontal
    // header is grid column c + 1.
    std::vector<int> needed_;
};

}  // namespace dalvo::ui
