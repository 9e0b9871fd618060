// Writes a heading into a table view's corner, over its vertical header, drawn like the other headings.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QString>

class QAbstractButton;
class QTableView;

namespace dalvo::ui {

// The view's corner button sits where the heading of the vertical header
// belongs; it is given `heading` as its text and drawn as a header cell.
// Returns the corner button, or nullptr if the view has none.
QAbstractButton* headVerticalHeader(QTableView* view, const QString& heading);

}  // namespace dalvo::ui
