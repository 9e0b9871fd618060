// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/secondary_window.h"

#include <QCloseEvent>

#include "ui/common/assets.h"
#include "ui/common/twips.h"

namespace dalvo::ui {

SecondaryWindow::SecondaryWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(applicationIcon());
}

void SecondaryWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closeBoxUsed();
}

void makeFixedSizeWindow(QWidget* window, int widthTwips, int heightTwips)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(twipSize(widthTwips, heightTwips));
}

}  // namespace dalvo::ui
