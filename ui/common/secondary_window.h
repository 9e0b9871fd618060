// A window of the program other than the main window: its close box destroys it.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QWidget>

namespace dalvo::ui {

// Leaving by a button hides the window with its contents intact; the close
// box instead destroys it, and the program builds it afresh on its next use.
// Where the student lands after the close box is decided by the program's
// window owner, which listens to closeBoxUsed().
class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    explicit SecondaryWindow(QWidget* parent = nullptr);

signals:
    void closeBoxUsed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

// A fixed-size window of widthTwips x heightTwips client area with a close
// box but no minimise or maximise box.
void makeFixedSizeWindow(QWidget* window, int widthTwips, int heightTwips);

}  // namespace dalvo::ui
