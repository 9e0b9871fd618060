// The title screen titlform: the words "Dalvo" and "Leslie" flash up one at a time above the prompt to start.
#pragma once

#include <QWidget>
#include <array>

#include "ui/startup/title_animation.h"
#include "ui/common/click_rule.h"

class QTimer;

namespace dalvo::ui {

class ClickableLabel;

class TitleWindow : public QWidget {
    Q_OBJECT
public:
    // Creating the window is its loading: the word timer starts at once,
    // before the window is shown.
    explicit TitleWindow(TitleAnimation& animation, QWidget* parent = nullptr);

    // Shows the window centred at its own size, in front and with the
    // keyboard focus, so that the first key press reaches it.
    void showInFront();

    // One tick of Timer1: hide the word of the tick before, show a new one.
    void animateWords();

    // Hides the window for good and reports it; later calls do nothing.
    void leave();

signals:
    // The title screen is hidden; the main window is to be shown.
    void left();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void centreOnScreen();

    TitleAnimation& animation_;
    ClickRule clicks_;
    bool left_ = false;

    QTimer* Timer1 = nullptr;
    std::array<ClickableLabel*, kTitleWordCount> Label1{};
    ClickableLabel* Label2 = nullptr;
};

}  // namespace dalvo::ui
