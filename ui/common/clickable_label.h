// A label or picture that reports clicks and double-clicks like a button.
#pragma once

#include <QLabel>

#include "ui/common/click_rule.h"

namespace dalvo::ui {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ClickRule clicks_;
};

}  // namespace dalvo::ui
