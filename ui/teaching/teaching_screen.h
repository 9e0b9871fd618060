// What every teaching screen is built from: its fixed frame, wrapped text, pictures and leaving buttons.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QColor>
#include <QPushButton>
#include <QString>
#include <Qt>

#include "presentation/picture_placement.h"
#include "ui/common/assets.h"
#include "ui/common/control_sheet.h"

class QLabel;
class QWidget;

namespace dalvo::ui {

// A fixed-size screen of widthTwips x heightTwips client area.
void setUpScreen(QWidget* screen, const QString& caption, int widthTwips, int heightTwips,
                 const QColor& background);

// The controls of these screens: labels of plain text wrapped inside their
// box in 12-point Times and pictures waiting for showPicture(); their buttons
// are the usual usualButton().
ControlEntry textLabel(const char* role, const char* name, QRect twips, const char* caption = nullptr);
ControlEntry picture(const char* role, const char* name, const char* accessibleName, QRect twips);

// Gives a text label of a sheet its text and alignment. Plain text: a "<" in
// a reference must never turn the list into markup.
QLabel* setUpTextLabel(QLabel* label, const QString& text, Qt::Alignment alignment);

enum class PictureFit {
    OwnSize,
    // Shrunk, with its shape kept, when larger than the label it goes into.
    ShrinkToLabel,
};

// Shows the program's picture `fileName` in `label` and returns the size it
// is shown at; a missing picture counts as `expected` so that the layout
// stays the same without it. The label keeps its own size.
PictureSize showPicture(QLabel* label, const QString& fileName, PictureSize expected, PictureFit fit);

enum class Pointer { Arrow, PointingHand };

// A button that asks for one of the screen's ways out.
template <class Screen>
QPushButton* leaveBy(QPushButton* button, Pointer pointer, Screen* screen, void (Screen::*wayOut)())
{
    if (pointer == Pointer::PointingHand)
        button->setCursor(pointingHandCursor());
    QObject::connect(button, &QPushButton::clicked, screen, wayOut);
    return button;
}

// The screen opens with `firstFocus` focused, in the middle of the screen.
void finishScreen(QWidget* screen, QWidget* firstFocus);

}  // namespace dalvo::ui
