// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "tests/ui/teaching/teaching_window_fixture.h"
#include "ui/common/twips.h"
#include "ui/teaching/how_to_window.h"

namespace dalvo::ui {
namespace {

// Every way out that a teaching screen can ask for.
const std::vector<QByteArray> kWaysOut = {"goBackRequested()",     "referencesRequested()",
                                          "backgroundClicked()",   "dedicationRequested()",
                                          "programEndRequested()", "closeBoxUsed()"};

// Spies on each of the window's ways out; counts() lists them in order.
class WayOutSpies {
public:
    explicit WayOutSpies(QObject* window)
    {
        for (const QByteArray& signal : kWaysOut) {
            if (window->metaObject()->indexOfSignal(signal.constData()) < 0)
                continue;
            spies_.emplace_back(signal, std::make_unique<QSignalSpy>(window, ("2" + signal).constData()));
        }
    }
    // How often each signal fired, "name=count" joined.
    std::string counts() const
    {
        QStringList parts;
        for (const auto& [signal, spy] : spies_)
            parts << QString::fromLatin1(signal) + "=" + QString::number(spy->count());
        return parts.join(' ').toStdString();
    }

private:
    std::vector<std::pair<QByteArray, std::unique_ptr<QSignalSpy>>> spies_;
};

// The expected counts when only `fired` has fired once.
std::string onlyFired(QObject* window, const QByteArray& fired)
{
    QStringList parts;
    for (const QByteArray& signal : kWaysOut)
        if (window->metaObject()->indexOfSignal(signal.constData()) >= 0)
            parts << QString::fromLatin1(signal) + "=" + (signal == fired ? "1" : "0");
    return parts.join(' ').toStdString();
}

TEST(TeachingWindowsTest, EachWindowHasItsNameCaptionSizeAndColour)
{
    struct Case {
        QString name, caption;
        int width, height;
        QColor background;
    };
    const std::vector<Case> cases = {
        {"dalvo5", "How to", 6699, 5951, QColor(192, 192, 192)},
        {"Introfrm", "Introduction", 7645, 6083, QColor(192, 192, 192)},
        {"Referenc", "References", 8679, 6193, QColor(255, 255, 255)},
        {"Quiz", "Quiz", 9856, 7546, QColor(128, 255, 128)},
        {"copyrigh", "Copyright", 9528, 6828, QColor(192, 192, 192)},
        {"Vater", "Dedication", 6960, 7956, QColor(255, 255, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        ShownWindow window(c.name);
        ASSERT_TRUE(window.get());
        EXPECT_EQ(window->objectName(), c.name);
        EXPECT_EQ(window->windowTitle(), c.caption);
        EXPECT_EQ(window->size(), twipSize(c.width, c.height));
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_TRUE(window->autoFillBackground());
        EXPECT_EQ(window->palette().color(QPalette::Window), c.background);
        EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
    }
}

TEST(TeachingWindowsTest, WindowsAreCentredOnTheScreen)
{
    for (const char* name : {"dalvo5", "Introfrm", "Referenc", "Quiz", "copyrigh", "Vater"}) {
        SCOPED_TRACE(name);
        std::unique_ptr<SecondaryWindow> window(buildTeachingWindow(name));
        const QRect screen = window->screen()->availableGeometry();
        EXPECT_LE(std::abs(window->geometry().center().x() - screen.center().x()), 1);
        EXPECT_LE(std::abs(window->geometry().center().y() - screen.center().y()), 1);
    }
}

// The lines read top to bottom in the order the student uses them, and the
// last line of the page is the way out; every line shows its own text.
TEST(TeachingWindowsTest, HowToEndsWithTheWayOut)
{
    ShownWindow window("dalvo5");
    const QStringList lines = HowToWindow::lines();
    int lowest = -1;
    for (int i = 0; i < lines.size(); ++i) {
        auto* line = window.control<QLabel>(QStringLiteral("Label1(%1)").arg(i));
        ASSERT_TRUE(line);
        EXPECT_EQ(line->text(), lines[i]);
        if (lowest < 0 || line->y() > window.control(QStringLiteral("Label1(%1)").arg(lowest))->y())
            lowest = i;
    }
    EXPECT_TRUE(lines[lowest].contains("Quit"));
    EXPECT_LT(window.control(QStringLiteral("Label1(%1)").arg(lowest))->geometry().bottom(),
              window.control("Command1")->y());
}

TEST(TeachingWindowsTest, ButtonFontsAndPointers)
{
    struct Case {
        QString window, button;
        double pointSize;
        bool pointingHand;
    };
    const std::vector<Case> cases = {
        {"dalvo5", "Command1", 12, true},   {"Introfrm", "Command1", 12, true},
        {"Introfrm", "Command2", 12, true}, {"Referenc", "Command1", 12, true},
        {"Quiz", "Command1", 12, false},    {"copyrigh", "Command1", 12, true},
        {"Vater", "Command1", 14.4, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.window + " " + c.button).toStdString());
        ShownWindow window(c.window);
        QWidget* button = window.control(c.button);
        ASSERT_TRUE(button);
        EXPECT_EQ(button->font().family(), "Times New Roman");
        EXPECT_DOUBLE_EQ(button->font().pointSizeF(), c.pointSize);
        EXPECT_TRUE(button->font().bold());
        if (c.pointingHand) {
            EXPECT_TRUE(button->testAttribute(Qt::WA_SetCursor));
            EXPECT_EQ(button->cursor().shape(), Qt::BitmapCursor);
            EXPECT_EQ(button->cursor().hotSpot(), QPoint(12, 1));
        } else {
            EXPECT_FALSE(button->testAttribute(Qt::WA_SetCursor));
        }
    }
}

TEST(TeachingWindowsTest, EachButtonAsksForItsOwnWayOutOnly)
{
    struct Case {
        QString window, button;
        QByteArray signal;
    };
    const std::vector<Case> cases = {
        {"dalvo5", "Command1", "goBackRequested()"},       {"Introfrm", "Command1", "goBackRequested()"},
        {"Introfrm", "Command2", "referencesRequested()"}, {"Referenc", "Command1", "goBackRequested()"},
        {"Quiz", "Command1", "goBackRequested()"},         {"copyrigh", "Command1", "dedicationRequested()"},
        {"Vater", "Command1", "programEndRequested()"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.window + " " + c.button).toStdString());
        ShownWindow window(c.window);
        ASSERT_TRUE(window.exposed());
        WayOutSpies spies(window.get());
        QTest::mouseClick(window.control(c.button), Qt::LeftButton);
        EXPECT_EQ(spies.counts(), onlyFired(window.get(), c.signal));
        // Leaving by a button keeps the window and all it holds; hiding it
        // is the program's part.
        ASSERT_TRUE(window.get());
        EXPECT_TRUE(window->isVisible());
    }
}

TEST(TeachingWindowsTest, TheFirstButtonHasTheFocusAndTheKeyboardPressesIt)
{
    struct Case {
        QString window;
        QByteArray signal;
    };
    const std::vector<Case> cases = {
        {"dalvo5", "goBackRequested()"},       {"Introfrm", "goBackRequested()"},
        {"Referenc", "goBackRequested()"},     {"Quiz", "goBackRequested()"},
        {"copyrigh", "dedicationRequested()"}, {"Vater", "programEndRequested()"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window.toStdString());
        ShownWindow window(c.window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QWidget* first = window.control("Command1");
        EXPECT_EQ(QApplication::focusWidget(), first);
        WayOutSpies spies(window.get());
        QTest::keyClick(first, Qt::Key_Space);
        EXPECT_EQ(spies.counts(), onlyFired(window.get(), c.signal));
    }
}

TEST(TeachingWindowsTest, TheCloseBoxReportsAndDestroysTheWindow)
{
    for (const char* name : {"dalvo5", "Introfrm", "Referenc", "Quiz", "copyrigh", "Vater"}) {
        SCOPED_TRACE(name);
        ShownWindow window(name);
        ASSERT_TRUE(window.exposed());
        WayOutSpies spies(window.get());
        EXPECT_TRUE(window->close());
        EXPECT_EQ(spies.counts(), onlyFired(window.get(), "closeBoxUsed()"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(window.get(), nullptr);
    }
}

TEST(TeachingWindowsTest, LabelsAndPicturesDoNotReact)
{
    struct Case {
        QString window, control;
    };
    const std::vector<Case> cases = {
        {"dalvo5", "Label1(0)"}, {"dalvo5", "Label1(7)"}, {"Referenc", "Label1(0)"}, {"Referenc", "Label2"},
        {"Quiz", "Image1"},      {"copyrigh", "Label2"},  {"copyrigh", "Label7"},    {"copyrigh", "Picture1"},
        {"copyrigh", "Label6"},  {"Vater", "Picture2"},   {"Vater", "Frame1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.window + " " + c.control).toStdString());
        ShownWindow window(c.window);
        ASSERT_TRUE(window.exposed());
        WayOutSpies spies(window.get());
        QWidget* control = window.control(c.control);
        ASSERT_TRUE(control);
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseDClick(control, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(spies.counts(), onlyFired(window.get(), QByteArray()));
        EXPECT_TRUE(window->isVisible());
    }
}

}  // namespace
}  // namespace dalvo::ui
