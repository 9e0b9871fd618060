// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/startup/backdrop_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "ui/startup/title_window.h"

namespace dalvo::ui {
namespace {

TEST(BackdropWindowTest, IsADisabledBorderlessDarkBlueWindowThatStaysBehind)
{
    BackdropWindow backdrop;
    EXPECT_EQ(backdrop.objectName(), "dalvo4");
    EXPECT_EQ(backdrop.windowTitle(), "Form3");
    const Qt::WindowFlags flags = backdrop.windowFlags();
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_TRUE(flags & Qt::WindowStaysOnBottomHint);
    EXPECT_FALSE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(backdrop.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(backdrop.isEnabled());
    EXPECT_EQ(backdrop.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(backdrop.palette().color(QPalette::Disabled, QPalette::Window), QColor(0, 0, 64));
    EXPECT_TRUE(backdrop.autoFillBackground());
    EXPECT_TRUE(backdrop.findChildren<QWidget*>().isEmpty());
}

TEST(BackdropWindowTest, ShowsMaximisedOverTheScreenAndRefusesToClose)
{
    BackdropWindow backdrop;
    backdrop.showOverScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&backdrop));
    EXPECT_TRUE(backdrop.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(backdrop.geometry().contains(QGuiApplication::primaryScreen()->availableGeometry()));

    EXPECT_FALSE(backdrop.close());
    EXPECT_TRUE(backdrop.isVisible());
}

TEST(StartUpTest, TheTitleScreenTakesTheKeysInFrontOfTheBackdropWhichStays)
{
    BackdropWindow backdrop;
    TitleWindow title;
    QSignalSpy left(&title, &TitleWindow::left);

    backdrop.showOverScreen();
    title.showInFront();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&title));
    EXPECT_EQ(QApplication::activeWindow(), &title);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(left.count(), 1);
    EXPECT_FALSE(title.isVisible());
    EXPECT_TRUE(backdrop.isVisible());
}

}  // namespace
}  // namespace dalvo::ui
