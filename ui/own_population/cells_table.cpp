// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/own_population/cells_table.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>

#include "presentation/own_population_text.h"
#include "ui/common/messages.h"
#include "ui/tables/cell_copy.h"

namespace dalvo::ui {

// The cells stay UTF-8 text until the view asks for them: a run of a
// thousand steps of a hundred classes holds a hundred thousand cells.
class CellsModel : public QAbstractTableModel {
public:
    explicit CellsModel(QObject* parent) : QAbstractTableModel(parent) {}

    void set(const QStringList& header, std::vector<std::vector<std::string>> rows)
    {
        beginResetModel();
        header_ = header;
        rows_ = std::move(rows);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(header_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        const auto& row = rows_[static_cast<std::size_t>(index.row())];
        const auto column = static_cast<std::size_t>(index.column());
        return column < row.size() ? toQString(row[column]) : QString();
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= header_.size())
            return {};
        return header_[section];
    }

    std::string wholeText() const
    {
        std::vector<std::string> header;
        for (const QString& heading : header_)
            header.push_back(heading.toStdString());
        return tabSeparated(header, rows_);
    }

private:
    QStringList header_;
    std::vector<std::vector<std::string>> rows_;
};

CellsTable::CellsTable(QWidget* parent) : QTableView(parent), model_(new CellsModel(this))
{
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

void CellsTable::setCells(const QStringList& header, std::vector<std::vector<std::string>> rows)
{
    model_->set(header, std::move(rows));
    // Sized by the heading and the first rows: every row of a long run would take long.
    horizontalHeader()->setResizeContentsPrecision(50);
    resizeColumnsToContents();
}

QString CellsTable::copiedText() const
{
    if (selectionModel()->selectedIndexes().size() > 1)
        return selectedCellsText(*this);
    return toQString(model_->wholeText());
}

void CellsTable::keyPressEvent(QKeyEvent* event)
{
    if (!event->matches(QKeySequence::Copy)) {
        QTableView::keyPressEvent(event);
        return;
    }
    if (model_->columnCount() > 0)
        QApplication::clipboard()->setText(copiedText());
    event->accept();
}

}  // namespace dalvo::ui
