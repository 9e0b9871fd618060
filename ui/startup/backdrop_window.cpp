// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/startup/backdrop_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "ui/common/control_sheet.h"
#include "ui/common/controls.h"

namespace dalvo::ui {

BackdropWindow::BackdropWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
                          Qt::WindowDoesNotAcceptFocus)
{
    // Nothing on it but its colour.
    static const ControlSheet sheet{.context = "dalvo::ui::BackdropWindow",
                                    .windowName = QStringLiteral("dalvo4")};
    buildControls(this, sheet);
    setWindowTitle(tr("Form3"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setBackground(this, colours::darkBlue);
    setEnabled(false);
}

void BackdropWindow::showOverScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showMaximized();
}

void BackdropWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

}  // namespace dalvo::ui
