// The grid of both tables: a fixed header row and step column around centred, read-only cells.
#pragma once

#include <QString>
#include <QTableView>

#include "model/number_text.h"
#include "views/tables/step_table.h"

class QAbstractButton;

namespace dalvo::ui {

class StepTableModel;

// Cell texts are made when a cell comes into view, so a run of a thousand
// steps shows as quickly as a short one.
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

    // The fixed cell over the step column, which heads that column.
    QAbstractButton* cornerCell() const { return corner_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintCorner();

    StepTableModel* model_ = nullptr;
    QAbstractButton* corner_ = nullptr;
};

}  // namespace dalvo::ui
