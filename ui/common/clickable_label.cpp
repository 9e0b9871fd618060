// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/clickable_label.h"

#include <QMouseEvent>

namespace dalvo::ui {

void ClickRule::press(const QMouseEvent& event)
{
    pressed_ = event.button() == Qt::LeftButton;
}

bool ClickRule::release(const QMouseEvent& event, const QWidget& widget)
{
    const bool click =
        pressed_ && event.button() == Qt::LeftButton && widget.rect().contains(event.position().toPoint());
    pressed_ = false;
    return click;
}


ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    clicks_.press(*event);
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = clicks_.release(*event, *this);
    event->accept();
    if (click)
        emit clicked();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    clicks_.cancel();
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

}  // namespace dalvo::ui
