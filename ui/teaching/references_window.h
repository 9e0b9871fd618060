// The references screen Referenc: the literature list behind the introduction.
#pragma once

#include <array>

#include "ui/common/secondary_window.h"

class QPushButton;

namespace dalvo::ui {

class ClickableLabel;

class ReferencesWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit ReferencesWindow(QWidget* parent = nullptr);

signals:
    // "OK": back to the main window, never to the introduction.
    void goBackRequested();
    // A click on the bare background, beside the heading and the list; the
    // main window is shown before this screen is hidden.
    void backgroundClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::array<ClickableLabel*, 1> Label1{};
    ClickableLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
    bool pressedOnBackground_ = false;
};

}  // namespace dalvo::ui
