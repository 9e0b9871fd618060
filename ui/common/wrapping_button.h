// A push button whose caption wraps onto several lines when the button is narrow.
#pragma once

#include <QPushButton>

namespace dalvo::ui {

class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    WrappingButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dalvo::ui
