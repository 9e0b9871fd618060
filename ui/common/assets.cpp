// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/assets.h"

namespace dalvo::ui {

QPixmap assetPixmap(const QString& fileName)
{
    return QPixmap(QStringLiteral(":/assets/") + fileName);
}

QCursor pointingHandCursor()
{
    // The tip of the index finger in the 32 x 32 image.
    constexpr int hotX = 12;
    constexpr int hotY = 1;
    return QCursor(assetPixmap(QStringLiteral("pointer_hand.png")), hotX, hotY);
}

QIcon applicationIcon()
{
    QIcon icon;
    icon.addPixmap(assetPixmap(QStringLiteral("app_icon.png")));
    icon.addPixmap(assetPixmap(QStringLiteral("app_icon_256.png")));
    return icon;
}

}  // namespace dalvo::ui
