// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/teaching/teaching_screen.h"

#include <QLabel>
#include <QPixmap>

#include "ui/common/assets.h"
#include "ui/common/controls.h"
#include "ui/common/secondary_window.h"
#include "ui/common/twips.h"

namespace dalvo::ui {

void setUpScreen(QWidget* screen, const QString& caption, int widthTwips, int heightTwips,
                 const QColor& background)
{
    screen->setWindowTitle(caption);
    makeFixedSizeWindow(screen, widthTwips, heightTwips);
    setBackground(screen, background);
}

ControlEntry textLabel(const char* role, const char* name, QRect twips, const char* caption)
{
    return {.role = role, .objectName = name, .caption = caption, .twips = twips, .font = {12}};
}

ControlEntry picture(const char* role, const char* name, const char* accessibleName, QRect twips)
{
    return {.role = role,
            .objectName = name,
            .kind = ControlKind::Picture,
            .twips = twips,
            .accessibleName = accessibleName};
}

QLabel* setUpTextLabel(QLabel* label, const QString& text, Qt::Alignment alignment)
{
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    return label;
}

PictureSize showPicture(QLabel* label, const QString& fileName, PictureSize expected, PictureFit fit)
{
    const QPixmap picture = assetPixmap(fileName);
    PictureSize size = picture.isNull() ? expected : PictureSize{picture.width(), picture.height()};
    if (fit == PictureFit::ShrinkToLabel)
        size = fitWithin(size, {label->width(), label->height()});
    if (picture.isNull())
        return size;
    if (picture.width() == size.width && picture.height() == size.height)
        label->setPixmap(picture);
    else
        label->setPixmap(
            picture.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return size;
}

void finishScreen(QWidget* screen, QWidget* firstFocus)
{
    firstFocus->setFocus();
    centreOnScreen(screen);
}

}  // namespace dalvo::ui
