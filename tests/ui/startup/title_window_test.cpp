// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/startup/title_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/common/twips.h"

namespace dalvo::ui {
namespace {

// A title screen, shown and active.
class TitleWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        window.showInFront();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QLabel* word(int index)
    {
        auto* found = window.findChild<QLabel*>(QStringLiteral("Label1(%1)").arg(index));
        EXPECT_NE(found, nullptr) << index;
        return found;
    }
    QLabel* prompt()
    {
        auto* found = window.findChild<QLabel*>(QStringLiteral("Label2"));
        EXPECT_NE(found, nullptr);
        return found;
    }
    QTimer* timer() { return window.findChild<QTimer*>(QStringLiteral("Timer1")); }
    std::vector<int> visibleWords()
    {
        std::vector<int> visible;
        for (int i = 0; i < kTitleWordCount; ++i)
            if (word(i)->isVisible())
                visible.push_back(i);
        return visible;
    }

    TitleWindow window;
    QSignalSpy left{&window, &TitleWindow::left};
};

TEST_F(TitleWindowTest, IsABorderlessDarkBlueWindowCentredAtItsOwnSize)
{
    EXPECT_EQ(window.objectName(), "titlform");
    EXPECT_EQ(window.windowTitle(), "Titleform");
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.windowState(), Qt::WindowNoState);
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0, 0, 64));
    EXPECT_TRUE(window.autoFillBackground());
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((window.geometry().center() - screenCentre).manhattanLength(), 2);
    // The first key press reaches the title screen itself.
    EXPECT_EQ(QApplication::focusWidget(), &window);
}

// Even indices say "Leslie", odd ones "Dalvo", and each word is larger than
// the one before.
TEST_F(TitleWindowTest, TheWordsAlternateAndGrowWithTheirIndex)
{
    double previousPoints = 0;
    for (int i = 0; i < kTitleWordCount; ++i) {
        SCOPED_TRACE(i);
        QLabel* label = word(i);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), i % 2 == 0 ? "Leslie" : "Dalvo");
        EXPECT_GT(label->font().pointSizeF(), previousPoints);
        EXPECT_GT(label->height() * label->width(), 0);
        previousPoints = label->font().pointSizeF();
        EXPECT_FALSE(label->font().bold());
        EXPECT_EQ(label->font().family(), "Times New Roman");
        EXPECT_EQ(label->alignment(), Qt::AlignCenter);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        EXPECT_FALSE(label->autoFillBackground());
    }
}

TEST_F(TitleWindowTest, ThePromptIsAYellowOnRedBoxWithAPointingHand)
{
    QLabel* label = prompt();
    ASSERT_NE(label, nullptr);
    EXPECT_FALSE(label->font().bold());
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(label->alignment(), Qt::AlignCenter);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->frameShape(), QFrame::Box);
    EXPECT_TRUE(label->isVisible());

    const QCursor cursor = label->cursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(12, 1));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
}

TEST_F(TitleWindowTest, BeforeTheFirstTickOnlyThePromptShows)
{
    EXPECT_TRUE(visibleWords().empty());
    EXPECT_TRUE(prompt()->isVisible());
}

TEST(TitleWindowLoadTest, CreatingTheWindowStartsTheFourHundredMillisecondTimer)
{
    TitleWindow window;
    auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    // Already running before the window is shown.
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 400);
}

TEST_F(TitleWindowTest, TheTimerBringsUpOneWordAtATime)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return !visibleWords().empty(); }, 3000));
    const std::vector<int> visible = visibleWords();
    ASSERT_EQ(visible.size(), 1u);
    EXPECT_EQ(visible.front(), window.animation().wordIndex);
}

TEST_F(TitleWindowTest, EachTickLeavesExactlyTheDrawnWordVisible)
{
    TitleAnimation twin;
    for (int tick = 0; tick < 300; ++tick) {
        const int expected = twin.tick().show;
        window.animateWords();
        ASSERT_EQ(visibleWords(), std::vector<int>{expected}) << "tick " << tick;
        ASSERT_EQ(window.animation().lastWordIndex, expected);
    }
}

// Records every word that is shown while it is installed.
class ShowRecorder : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            shown.push_back(watched->objectName().toStdString());
        return false;
    }
    std::vector<std::string> shown;
};

TEST_F(TitleWindowTest, ARepeatedIndexKeepsItsWordWithoutShowingAnother)
{
    // Find the first tick that draws the same index as the tick before.
    TitleAnimation twin;
    std::optional<int> repeatTick;
    int previous = -1;
    for (int tick = 0; tick < 500 && !repeatTick; ++tick) {
        const int index = twin.tick().show;
        if (index == previous)
            repeatTick = tick;
        previous = index;
    }
    ASSERT_TRUE(repeatTick.has_value());

    for (int tick = 0; tick < *repeatTick; ++tick)
        window.animateWords();
    const int kept = window.animation().wordIndex;
    ASSERT_EQ(visibleWords(), std::vector<int>{kept});

    ShowRecorder recorder;
    for (int i = 0; i < kTitleWordCount; ++i)
        word(i)->installEventFilter(&recorder);
    window.animateWords();
    for (int i = 0; i < kTitleWordCount; ++i)
        word(i)->removeEventFilter(&recorder);

    EXPECT_EQ(window.animation().wordIndex, kept);
    EXPECT_EQ(visibleWords(), std::vector<int>{kept});
    for (const std::string& name : recorder.shown)
        EXPECT_EQ(name, "Label1(" + std::to_string(kept) + ")");
}

TEST(TitleWindowKeysTest, KeysThatTypeACharacterLeaveAndOthersDoNot)
{
    struct Case {
        const char* name;
        Qt::Key key;
        QString text;
        Qt::KeyboardModifiers modifiers;
        bool leaves;
    };
    const std::vector<Case> cases = {
        {"letter", Qt::Key_A, "a", Qt::NoModifier, true},
        {"capital letter", Qt::Key_A, "A", Qt::ShiftModifier, true},
        {"digit", Qt::Key_7, "7", Qt::NoModifier, true},
        {"comma", Qt::Key_Comma, ",", Qt::NoModifier, true},
        {"question mark", Qt::Key_Question, "?", Qt::ShiftModifier, true},
        {"space", Qt::Key_Space, " ", Qt::NoModifier, true},
        {"enter", Qt::Key_Return, "\r", Qt::NoModifier, true},
        {"keypad enter", Qt::Key_Enter, "\r", Qt::KeypadModifier, true},
        {"escape", Qt::Key_Escape, "\x1b", Qt::NoModifier, true},
        {"backspace", Qt::Key_Backspace, "\b", Qt::NoModifier, true},
        {"tab", Qt::Key_Tab, "\t", Qt::NoModifier, true},
        {"control letter", Qt::Key_C, "\x03", Qt::ControlModifier, true},
        {"left arrow", Qt::Key_Left, "", Qt::NoModifier, false},
        {"right arrow", Qt::Key_Right, "", Qt::NoModifier, false},
        {"up arrow", Qt::Key_Up, "", Qt::NoModifier, false},
        {"down arrow", Qt::Key_Down, "", Qt::NoModifier, false},
        {"F1", Qt::Key_F1, "", Qt::NoModifier, false},
        {"F12", Qt::Key_F12, "", Qt::NoModifier, false},
        {"shift alone", Qt::Key_Shift, "", Qt::ShiftModifier, false},
        {"control alone", Qt::Key_Control, "", Qt::ControlModifier, false},
        {"alt alone", Qt::Key_Alt, "", Qt::AltModifier, false},
        {"home", Qt::Key_Home, "", Qt::NoModifier, false},
        {"page down", Qt::Key_PageDown, "", Qt::NoModifier, false},
        {"insert", Qt::Key_Insert, "", Qt::NoModifier, false},
        {"delete", Qt::Key_Delete, "\x7f", Qt::NoModifier, false},
        {"caps lock", Qt::Key_CapsLock, "", Qt::NoModifier, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TitleWindow window;
        QSignalSpy left(&window, &TitleWindow::left);
        window.showInFront();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.animateWords();

        QWidget* receiver = QApplication::focusWidget();
        ASSERT_EQ(receiver, &window);
        QTest::sendKeyEvent(QTest::Click, receiver, c.key, c.text, c.modifiers);

        EXPECT_EQ(window.isVisible(), !c.leaves);
        EXPECT_EQ(left.count(), c.leaves ? 1 : 0);
    }
}

TEST(TitleWindowClicksTest, AClickOrDoubleClickOnAnyTargetLeaves)
{
    enum class Target { Background, Prompt, Word };
    struct Case {
        std::string name;
        Target target;
        int word;
        bool doubleClick;
    };
    std::vector<Case> cases = {
        {"click on the background", Target::Background, -1, false},
        {"double-click on the background", Target::Background, -1, true},
        {"click on the prompt", Target::Prompt, -1, false},
        {"double-click on the prompt", Target::Prompt, -1, true},
    };
    for (int i = 0; i < kTitleWordCount; ++i) {
        cases.push_back({"click on word " + std::to_string(i), Target::Word, i, false});
        cases.push_back({"double-click on word " + std::to_string(i), Target::Word, i, true});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TitleWindow window;
        QSignalSpy left(&window, &TitleWindow::left);
        window.showInFront();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

        QWidget* target = &window;
        // A corner that no word and not the prompt covers.
        QPoint at = twipPoint(10400, 6900);
        if (c.target == Target::Prompt) {
            target = window.findChild<QLabel*>(QStringLiteral("Label2"));
            at = target->rect().center();
        } else if (c.target == Target::Word) {
            target = window.findChild<QLabel*>(QStringLiteral("Label1(%1)").arg(c.word));
            // Word 0 is the index before any tick too, so at least one tick.
            window.animateWords();
            for (int tick = 0; tick < 2000 && window.animation().wordIndex != c.word; ++tick)
                window.animateWords();
            ASSERT_TRUE(target->isVisible());
            at = target->rect().center();
        } else {
            ASSERT_EQ(window.childAt(at), nullptr);
        }

        if (c.doubleClick)
            QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, at);
        else
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);

        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(left.count(), 1);
    }
}

TEST_F(TitleWindowTest, LeavingBeforeTheFirstTickWorksAsLater)
{
    ASSERT_TRUE(visibleWords().empty());
    QTest::mouseClick(prompt(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(left.count(), 1);
    EXPECT_EQ(window.animation().wordIndex, 0);

    // The window still exists, hidden; its ticks go on unseen.
    EXPECT_TRUE(timer()->isActive());
    window.animateWords();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(left.count(), 1);
}

TEST_F(TitleWindowTest, TheFirstClickOfADoubleClickAlreadyLeavesAndTheSecondAddsNothing)
{
    window.animateWords();
    QTest::mouseClick(prompt(), Qt::LeftButton);
    QTest::mouseDClick(prompt(), Qt::LeftButton);
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, twipPoint(10400, 6900));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(left.count(), 1);
}

TEST_F(TitleWindowTest, AClickDraggedOffTheWindowDoesNotLeave)
{
    const QPoint inside = twipPoint(10400, 6900);
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, inside);
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, QPoint(-20, -20));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(left.count(), 0);
}

TEST_F(TitleWindowTest, ACloseRequestLeavesInsteadOfStrandingTheProgram)
{
    EXPECT_FALSE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(left.count(), 1);
}

}  // namespace
}  // namespace dalvo::ui
