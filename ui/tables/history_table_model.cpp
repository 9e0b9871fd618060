// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/tables/history_table_model.h"

#include <utility>

namespace dalvo::ui {

namespace {

constexpr const char* kHeadings[kTableColumns] = {
    QT_TRANSLATE_NOOP("dalvo::ui::HistoryTableModel", "Time"),
    QT_TRANSLATE_NOOP("dalvo::ui::HistoryTableModel", "age 0"),
    QT_TRANSLATE_NOOP("dalvo::ui::HistoryTableModel", "age 1"),
    QT_TRANSLATE_NOOP("dalvo::ui::HistoryTableModel", "age 2"),
    QT_TRANSLATE_NOOP("dalvo::ui::HistoryTableModel", "age 3"),
    QT_TRANSLATE_NOOP("dalvo::ui::HistoryTableModel", "total(t)"),
    QT_TRANSLATE_NOOP("dalvo::ui::HistoryTableModel", "growth rate"),
};

QVariant centred()
{
    return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
}

}  // namespace

HistoryTableModel::HistoryTableModel(AgeColumns ages, NumberLocale locale, QObject* parent)
    : QAbstractTableModel(parent), ages_(ages), locale_(std::move(locale))
{
}

void HistoryTableModel::takeSnapshot(const History& history)
{
    beginResetModel();
    snapshot_ = history;
    endResetModel();
}

QString HistoryTableModel::heading(int column)
{
    if (column < 0 || column >= kTableColumns)
        return {};
    return tr(kHeadings[column]);
}

QString HistoryTableModel::text(int t, int column) const
{
    if (!snapshot_)
        return {};
    return QString::fromStdString(historyTableText(*snapshot_, ages_, t, column, locale_));
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !snapshot_)
        return 0;
    return snapshot_->stepCount() + 1;
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kTableColumns - 1;
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column() + 1);
    if (role == Qt::TextAlignmentRole)
        return centred();
    return {};
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return centred();
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return text(section, kStepColumn);
    if (section < 0 || section >= columnCount())
        return {};
    return heading(section + 1);
}

// Read-only: the student may select cells but never change them.
Qt::ItemFlags HistoryTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace dalvo::ui
