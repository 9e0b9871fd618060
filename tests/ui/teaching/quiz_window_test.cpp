// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "tests/ui/teaching/teaching_window_fixture.h"
#include "ui/common/assets.h"
#include "ui/common/twips.h"

namespace dalvo::ui {
namespace {

class QuizWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.exposed());
        picture = window.control<QLabel>("Image1");
        ASSERT_TRUE(picture);
    }

    // The picture's middle lies midway across the whole window, border and
    // title bar included, and 400 twips above the window's middle.
    void expectAboveTheMiddle()
    {
        const QRect outer = window->frameGeometry();
        const QPoint clientOrigin = window->mapToGlobal(QPoint(0, 0));
        // Where the picture sits counted from the outer corner, as the
        // formula counts it.
        const QRect inOuter = picture->geometry().translated(clientOrigin - outer.topLeft());
        EXPECT_LE(std::abs((picture->x() * 2 + picture->width()) - outer.width()), 1)
            << "left " << picture->x() << " in an outer width of " << outer.width();
        EXPECT_LE(std::abs((picture->y() + twips(400)) * 2 + picture->height() - outer.height()), 1)
            << "top " << picture->y() << " in an outer height of " << outer.height();
        EXPECT_GE(inOuter.top(), 0);
    }

    ShownWindow window{"Quiz"};
    QLabel* picture = nullptr;
};

TEST_F(QuizWindowTest, ThePictureKeepsItsOwnSize)
{
    const QPixmap own = assetPixmap("quiz_picture.png");
    const QSize expected = own.isNull() ? QSize(475, 350) : own.size();
    EXPECT_EQ(picture->size(), expected);
    EXPECT_EQ(QSize(QuizWindow::kPictureSize.width, QuizWindow::kPictureSize.height), QSize(475, 350));
    if (!own.isNull()) {
        ASSERT_FALSE(picture->pixmap().isNull());
        EXPECT_EQ(picture->pixmap().size(), own.size());
    }
}

TEST_F(QuizWindowTest, ThePictureSitsAboveTheMiddleClearOfTheButton)
{
    expectAboveTheMiddle();
    const QWidget* button = window.control("Command1");
    EXPECT_LT(picture->geometry().bottom(), button->geometry().top());
    EXPECT_TRUE(window->rect().contains(picture->geometry()));
}

TEST_F(QuizWindowTest, GoingBackAndComingAgainKeepsThePlace)
{
    const QRect first = picture->geometry();
    QTest::mouseClick(window.control("Command1"), Qt::LeftButton);
    window->hide();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window.control<QLabel>("Image1"), picture);
    EXPECT_EQ(picture->geometry(), first);
    expectAboveTheMiddle();
}

}  // namespace
}  // namespace dalvo::ui
