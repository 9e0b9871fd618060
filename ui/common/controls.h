// Building blocks shared by the windows: the Times font, the colours, borders and centring.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QColor>
#include <QFont>

class QLabel;
class QWidget;

namespace dalvo::ui {

namespace colours {
inline const QColor red{255, 0, 0};
inline const QColor blue{0, 0, 255};
inline const QColor navy{0, 0, 128};
inline const QColor yellow{255, 255, 0};
inline const QColor darkRed{192, 0, 0};
inline const QColor green{0, 128, 0};
inline const QColor lightGrey{192, 192, 192};
// Behind the start-up windows.
inline const QColor darkBlue{0, 0, 64};
}  // namespace colours

QFont timesFont(double pointSize, bool bold = false);

void setTextColour(QWidget* widget, const QColor& colour);
void setBackground(QWidget* widget, const QColor& colour);

// A one-pixel box around a label, like a single border.
void giveSingleBorder(QLabel* label);

// Places a window in the middle of the usable area of the screen it is on.
void centreOnScreen(QWidget* window);

}  // namespace dalvo::ui
