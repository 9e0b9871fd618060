// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace dalvo::ui {

namespace {

double logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

}  // namespace

int twips(int length)
{
    return static_cast<int>(std::lround(length * logicalDpi() / 1440.0));
}

QPoint twipPoint(int x, int y)
{
    return {twips(x), twips(y)};
}

QSize twipSize(int width, int height)
{
    return {twips(width), twips(height)};
}

// Edges are converted, not the size, so that neighbouring controls that
// touch in twips also touch on the screen.
QRect twipRect(int x, int y, int width, int height)
{
    const QPoint topLeft = twipPoint(x, y);
    const QPoint end = twipPoint(x + width, y + height);
    return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

}  // namespace dalvo::ui
