// Ctrl+C in a table view copies the selected cells as tab-separated lines, ready for a spreadsheet.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QString>

class QTableView;

namespace dalvo::ui {

// The selected cells as lines of tab-separated texts, one line per row from
// the first to the last selected row; a cell inside that block that is not
// selected is left empty, so that the columns stay in line. The current cell
// alone when nothing is selected; empty when there is no current cell either.
QString selectedCellsText(const QTableView& view);

// Makes Ctrl+C (the platform's Copy keys) in `view` put selectedCellsText()
// on the clipboard, in place of the view's own copy of the current cell.
void copySelectedCellsOnCopyKeys(QTableView* view);

}  // namespace dalvo::ui
