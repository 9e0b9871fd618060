// A read-only table of text cells with a heading row, whose Copy keys put the whole table, or the cells picked, on the clipboard.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QStringList>
#include <QTableView>
#include <string>
#include <vector>

namespace dalvo::ui {

class CellsModel;

class CellsTable : public QTableView {
    Q_OBJECT
public:
    explicit CellsTable(QWidget* parent);

    void setCells(const QStringList& header, std::vector<std::vector<std::string>> rows);
    // What the Copy keys put on the clipboard: the cells picked when the
    // student picked more than one, else the whole table with its heading
    // row, tab-separated for a spreadsheet.
    QString copiedText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CellsModel* model_;
};

}  // namespace dalvo::ui
