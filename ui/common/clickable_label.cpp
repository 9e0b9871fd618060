#include "ui/common/clickable_label.h"

#include <QMouseEvent>

namespace dalvo::ui {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

// Like a button, the click counts only when the press and release both land
// on the label, so that dragging off it cancels.
void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    pressed_ = false;
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

}  // namespace dalvo::ui
