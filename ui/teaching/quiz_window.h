// The quiz screen: two study questions on the Leslie matrix, shown as one picture.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include "ui/common/secondary_window.h"
#include "presentation/picture_placement.h"

class QLabel;
class QPushButton;

namespace dalvo::ui {

struct ControlSheet;

class QuizWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit QuizWindow(QWidget* parent = nullptr);

    // The picture's size in pixels, whether or not it could be loaded.
    // Every control of the window: its names, texts, place and font.
    static const ControlSheet& sheet();

    static constexpr PictureSize kPictureSize{475, 350};

signals:
    // "Back to the mainform".
    void goBackRequested();

protected:
    // The window system tells the size of the border and title bar only once
    // the window is on screen, so the picture's place is worked out again
    // then; it comes out the same every time.
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void placePicture();

    QLabel* picture_ = nullptr;
    QPushButton* goBackButton_ = nullptr;
};

}  // namespace dalvo::ui
