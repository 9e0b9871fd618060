// The how-to screen: one line for each button of the main window.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QStringList>
#include <array>

#include "ui/common/secondary_window.h"

class QLabel;
class QPushButton;

namespace dalvo::ui {

struct ControlSheet;

class HowToWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit HowToWindow(QWidget* parent = nullptr);

    // The eight lines in the order of their numbered names; on screen the
    // "Print" line (index 7) sits between the "Intro" and the "Quit" lines.
    // Every control of the window: its names, texts, place and font.
    static const ControlSheet& sheet();

    static QStringList lines();

signals:
    // "OK": back to the main window, keeping this screen for next time.
    void goBackRequested();

private:
    std::array<QLabel*, 8> lines_{};
    QPushButton* okButton_ = nullptr;
};

}  // namespace dalvo::ui
