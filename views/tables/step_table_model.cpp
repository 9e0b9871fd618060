#include "views/tables/step_table_model.h"

#include <utility>

namespace dalvo::ui {

StepTableModel::StepTableModel(NumberLocale locale, QObject* parent)
    : QAbstractTableModel(parent), locale_(std::move(locale))
{
}

void StepTableModel::setTable(StepTable table)
{
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

QString StepTableModel::gridText(int row, int col) const
{
    return QString::fromStdString(table_.text(row, col, locale_));
}

int StepTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.Rows() - 1;
}

int StepTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.Cols() - 1;
}

QVariant StepTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return gridText(index.row() + 1, index.column() + 1);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

QVariant StepTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole) {
        return orientation == Qt::Horizontal ? gridText(0, section + 1) : gridText(section + 1, 0);
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

// Read-only: the student may select cells but never change them.
Qt::ItemFlags StepTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace dalvo::ui
