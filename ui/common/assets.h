// The program's own pictures and mouse pointer, compiled in as resources.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace dalvo::ui {

// A picture from assets/, by file name ("project_arrow.png").
QPixmap assetPixmap(const QString& fileName);

// The pointing hand shown over buttons and clickable pictures.
QCursor pointingHandCursor();

QIcon applicationIcon();

}  // namespace dalvo::ui
