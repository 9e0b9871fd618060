// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/twips.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

namespace dalvo::ui {
namespace {

TEST(TwipsTest, AnInchIsTheScreensLogicalDpi)
{
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    EXPECT_EQ(twips(1440), qRound(dpi));
    EXPECT_EQ(twips(0), 0);
    EXPECT_EQ(twips(720), qRound(dpi / 2));
}

TEST(TwipsTest, TouchingRectanglesStayTouching)
{
    // Cells of 615 and 735 twips side by side, as in the matrix.
    const QRect left = twipRect(240, 600, 615, 495);
    const QRect right = twipRect(855, 600, 735, 495);
    EXPECT_EQ(left.right() + 1, right.left());
    EXPECT_EQ(twipRect(120, 120, 5412, 732).topLeft(), twipPoint(120, 120));
}

}  // namespace
}  // namespace dalvo::ui
