// The how-to screen dalvo5: one line for each button of the main window.
#pragma once

#include <array>

#include "ui/common/secondary_window.h"

class QLabel;
class QPushButton;

namespace dalvo::ui {

class HowToWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit HowToWindow(QWidget* parent = nullptr);

signals:
    // "OK": back to the main window, keeping this screen for next time.
    void goBackRequested();

private:
    std::array<QLabel*, 8> Label1{};
    QPushButton* Command1 = nullptr;
};

}  // namespace dalvo::ui
