#include "ui/common/click_rule.h"

#include <QMouseEvent>
#include <QWidget>

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

}  // namespace dalvo::ui
