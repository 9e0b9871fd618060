// The dedication screen: a picture and the button that ends the program.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include "ui/common/secondary_window.h"
#include "presentation/picture_placement.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace dalvo::ui {

struct ControlSheet;

class DedicationWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit DedicationWindow(QWidget* parent = nullptr);

    // Every control of the window: its names, texts, place and font.
    static const ControlSheet& sheet();

    static constexpr PictureSize kPictureSize{504, 559};

signals:
    // "God rest his soul": the program ends at once.
    void programEndRequested();

private:
    QGroupBox* frame_ = nullptr;
    QLabel* picture_ = nullptr;
    QPushButton* farewellButton_ = nullptr;
};

}  // namespace dalvo::ui
