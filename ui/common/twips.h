// Converts the program's twip layout (1440 twips to the inch) to pixels on the screen in use.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace dalvo::ui {

// Pixels for a length in twips at the primary screen's logical DPI.
int twips(int length);

QPoint twipPoint(int x, int y);
QSize twipSize(int width, int height);
QRect twipRect(int x, int y, int width, int height);

}  // namespace dalvo::ui
