// The backdrop: a borderless dark-blue window over the whole screen, behind all the program's windows.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QWidget>

namespace dalvo::ui {

// Disabled and never focused, so that clicks on it do nothing and it never
// comes in front; it has no controls.
class BackdropWindow : public QWidget {
    Q_OBJECT
public:
    explicit BackdropWindow(QWidget* parent = nullptr);

    // Shows it maximised over the primary screen, without taking the focus.
    void showOverScreen();

protected:
    // The backdrop stays for the whole run: a close request from the window
    // system is refused.
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace dalvo::ui
