// The title screen: the words "Dalvo" and "Leslie" flash up one at a time above the prompt to start.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QWidget>
#include <array>

#include "presentation/title_animation.h"
#include "ui/common/clickable_label.h"
#include "ui/common/trailing_input_guard.h"

class QTimer;

namespace dalvo::ui {

struct ControlSheet;

class TitleWindow : public QWidget {
    Q_OBJECT
public:
    // Creating the window is its loading: the word timer starts at once,
    // before the window is shown.
    explicit TitleWindow(QWidget* parent = nullptr);

    // Every control of the window: its names, texts, place and font.
    static const ControlSheet& sheet();

    // Shows the window centred at its own size, in front and with the
    // keyboard focus, so that the first key press reaches it.
    void showInFront();

    // One tick of the word timer: hide the word of the tick before, show a new one.
    void animateWords();

    // Which words the ticks so far have drawn.
    const TitleAnimation& animation() const { return animation_; }

signals:
    // The title screen is hidden; the main window is to be shown, and the
    // rest of `input` kept from it.
    void left(const dalvo::ui::LeavingInput& input);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Hides the window for good and reports it; later calls do nothing.
    void leave(const LeavingInput& input);
    void leaveByLabel(LeavingInput::Kind kind);
    void centreOnScreen();

    // Lives with the window: its indices keep their values between ticks
    // and its numbers continue from where they were.
    TitleAnimation animation_;
    ClickRule clicks_;
    bool left_ = false;
    // The time stamp of the last mouse event on a label, which reports its
    // clicks without the event.
    quint64 labelMouseTimestamp_ = 0;

    QTimer* wordTimer_ = nullptr;
    std::array<ClickableLabel*, kTitleWordCount> words_{};
    ClickableLabel* startPrompt_ = nullptr;
};

}  // namespace dalvo::ui
