// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <algorithm>
#include <vector>

#include "tests/ui/teaching/teaching_window_fixture.h"
#include "ui/common/twips.h"

namespace dalvo::ui {
namespace {

TEST(HowToWindowTest, EightLinesFromTopToBottomWithPrintBeforeQuit)
{
    ShownWindow window("dalvo5");
    std::vector<std::pair<int, int>> topAndIndex;
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        auto* line = window.control<QLabel>(QStringLiteral("Label1(%1)").arg(i));
        ASSERT_TRUE(line);
        EXPECT_EQ(line->text(), HowToWindow::lines()[i]);
        EXPECT_EQ(line->font().family(), "Times New Roman");
        EXPECT_DOUBLE_EQ(line->font().pointSizeF(), 12);
        EXPECT_FALSE(line->font().bold());
        EXPECT_TRUE(line->alignment() & Qt::AlignHCenter);
        EXPECT_EQ(line->palette().color(QPalette::WindowText), QColor(Qt::black));
        EXPECT_TRUE(line->isVisible());
        topAndIndex.emplace_back(line->y(), i);
    }
    std::sort(topAndIndex.begin(), topAndIndex.end());
    std::vector<int> order;
    for (const auto& [top, index] : topAndIndex)
        order.push_back(index);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4, 5, 7, 6}));
}

TEST(HowToWindowTest, LeavingByOkKeepsTheLines)
{
    ShownWindow window("dalvo5");
    auto* first = window.control<QLabel>("Label1(0)");
    ASSERT_TRUE(first);
    QTest::mouseClick(window.control("Command1"), Qt::LeftButton);
    window->hide();
    window->show();
    EXPECT_EQ(window.control<QLabel>("Label1(0)"), first);
    EXPECT_EQ(first->text(), HowToWindow::lines()[0]);
}

class IntroductionWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.exposed());
        text = window.control<QTextEdit>("Text1");
        ASSERT_TRUE(text);
    }
    ShownWindow window{"Introfrm"};
    QTextEdit* text = nullptr;
};

TEST_F(IntroductionWindowTest, ShowsTheWholeTextInOnePiece)
{
    EXPECT_EQ(text->toPlainText(), IntroductionWindow::page());
    EXPECT_EQ(text->document()->blockCount(), 1);
    EXPECT_EQ(text->font().family(), "Times New Roman");
    EXPECT_DOUBLE_EQ(text->font().pointSizeF(), 12);
    EXPECT_TRUE(text->font().bold());
    EXPECT_TRUE(text->document()->firstBlock().layout()->textOption().alignment() & Qt::AlignHCenter);
}

TEST_F(IntroductionWindowTest, TheTextCannotBeChangedButScrolls)
{
    const QString before = text->toPlainText();
    text->setFocus();
    QTest::keyClicks(text, "typed");
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_Delete);
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(text->toPlainText(), before);
    EXPECT_TRUE(text->isReadOnly());

    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QScrollBar* bar = text->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the page is longer than its box";
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
    EXPECT_GT(bar->value(), 0) << "the end of the page scrolls into view";
}

TEST_F(IntroductionWindowTest, TabGoesFromOkToTheTextToReferences)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QWidget* ok = window.control("Command1");
    QWidget* references = window.control("Command2");
    EXPECT_EQ(QApplication::focusWidget(), ok);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), references);
}

TEST(IntroductionWindowRebuildTest, AFreshWindowShowsTheSameText)
{
    QString first;
    {
        ShownWindow window("Introfrm");
        first = window.control<QTextEdit>("Text1")->toPlainText();
        window->close();
    }
    ShownWindow again("Introfrm");
    EXPECT_EQ(again.control<QTextEdit>("Text1")->toPlainText(), first);
}

class ReferencesWindowTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window.exposed()); }

    // A point of the bare background, with no control under it.
    QPoint background(int xTwips, int yTwips)
    {
        const QPoint point = twipPoint(xTwips, yTwips);
        EXPECT_EQ(window->childAt(point), nullptr) << xTwips << ", " << yTwips;
        return point;
    }

    ShownWindow window{"Referenc"};
    ReferencesWindow* references = qobject_cast<ReferencesWindow*>(window.get());
    QSignalSpy backgroundClicks{references, &ReferencesWindow::backgroundClicked};
    QSignalSpy okClicks{references, &ReferencesWindow::goBackRequested};
};

TEST_F(ReferencesWindowTest, ShowsTheListUnderItsHeading)
{
    auto* list = window.control<QLabel>("Label2");
    auto* heading = window.control<QLabel>("Label1(0)");
    ASSERT_TRUE(list && heading);
    EXPECT_EQ(list->text(), ReferencesWindow::referenceList());
    EXPECT_EQ(list->textFormat(), Qt::PlainText);
    EXPECT_TRUE(list->wordWrap());
    EXPECT_TRUE(list->alignment() & Qt::AlignLeft);
    EXPECT_FALSE(list->font().bold());
    EXPECT_DOUBLE_EQ(list->font().pointSizeF(), 12);
    EXPECT_TRUE(heading->font().bold());
    EXPECT_EQ(heading->font(), window->font());
    EXPECT_EQ(list->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(ReferencesWindowTest, AClickBesideTheLabelsLeavesAndOneOnThemDoesNot)
{
    struct Case {
        const char* name;
        QWidget* target;
        QPoint at;
        int backgroundClicks;
    };
    const std::vector<Case> cases = {
        {"on the heading", window.control("Label1(0)"), QPoint(3, 3), 0},
        {"on the list", window.control("Label2"), QPoint(30, 30), 0},
        {"right of the heading", window.get(), background(8000, 240), 1},
        {"beside the button", window.get(), background(6500, 5760), 1},
        {"right button on the background", window.get(), background(8000, 240), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        backgroundClicks.clear();
        const Qt::MouseButton button =
            std::string_view(c.name).starts_with("right button") ? Qt::RightButton : Qt::LeftButton;
        QTest::mouseClick(c.target, button, {}, c.at);
        EXPECT_EQ(backgroundClicks.count(), c.backgroundClicks);
        EXPECT_EQ(okClicks.count(), 0);
    }
}

TEST_F(ReferencesWindowTest, PressingOnTheBackgroundAndLettingGoElsewhereIsNoClick)
{
    const QPoint start = background(8000, 240);
    QTest::mousePress(window.get(), Qt::LeftButton, {}, start);
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(window->width() + 20, 10));
    EXPECT_EQ(backgroundClicks.count(), 0);
}

}  // namespace
}  // namespace dalvo::ui
