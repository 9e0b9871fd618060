// Shows a StepTable in a Qt table view, making each cell's text only when the view asks for it.
#pragma once

#include <QAbstractTableModel>

#include "model/number_text.h"
#include "views/tables/step_table.h"

namespace dalvo::ui {

// The table's header row becomes the horizontal header and its step column
// the vertical header, so both stay in place while the rest scrolls. Model
// row r and column c are therefore grid row r + 1 and column c + 1.
class StepTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    StepTableModel(NumberLocale locale, QObject* parent);

    // Replaces the whole table; nothing of the previous one remains.
    void setTable(StepTable table);
    const StepTable& table() const { return table_; }

    // A cell in grid coordinates, header row and step column included.
    QString gridText(int row, int col) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    StepTable table_;
    NumberLocale locale_;
};

}  // namespace dalvo::ui
