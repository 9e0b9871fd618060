// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/tables/cell_copy.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTableView>
#include <algorithm>
#include <vector>

namespace dalvo::ui {

namespace {

// Takes the Copy keys before the view's own key handling sees them.
class CopyKeys : public QObject {
public:
    explicit CopyKeys(QTableView* view) : QObject(view), view_(view) { view->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != view_ || event->type() != QEvent::KeyPress)
            return false;
        if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            return false;
        const QString text = selectedCellsText(*view_);
        if (!text.isEmpty())
            QApplication::clipboard()->setText(text);
        return true;
    }

private:
    QTableView* view_;
};

}  // namespace

QString selectedCellsText(const QTableView& view)
{
    QModelIndexList cells = view.selectionModel()->selectedIndexes();
    if (cells.isEmpty() && view.currentIndex().isValid())
        cells << view.currentIndex();
    if (cells.isEmpty())
        return {};
    int top = cells.first().row(), bottom = top, left = cells.first().column(), right = left;
    for (const QModelIndex& cell : cells) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    const int width = right - left + 1;
    const auto at = [&](int row, int column) {
        return static_cast<std::size_t>((row - top) * width + column - left);
    };
    std::vector<QString> block(at(bottom, right) + 1);
    for (const QModelIndex& cell : cells)
        block[at(cell.row(), cell.column())] = cell.data().toString();

    QString text;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            if (column > left)
                text += QLatin1Char('\t');
            text += block[at(row, column)];
        }
        text += QLatin1Char('\n');
    }
    return text;
}

void copySelectedCellsOnCopyKeys(QTableView* view)
{
    new CopyKeys(view);
}

}  // namespace dalvo::ui
