// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/editor/new_run_editor.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/ui/common/number_in_view.h"
#include "ui/common/assets.h"
#include "ui/common/bracket_lines.h"
#include "ui/common/twips.h"
#include "tests/support/input_driver.h"

namespace dalvo::ui {
namespace {

const NumberLocale kPoint{"."};
const NumberLocale kComma{","};

using Edits = std::vector<std::pair<QString, QString>>;

// Drives one editor through its widgets, as the student does.
class EditorDriver {
public:
    explicit EditorDriver(NewRunEditor* editor) : editor_(editor)
    {
        QObject::connect(editor, &NewRunEditor::defaultsAccepted,
                         [this](const NewRun& run) { accepted.push_back(run); });
    }

    template <class T = QWidget>
    T* control(const QString& name) const
    {
        return input::findControl<T>(*editor_, name);
    }
    QString text(const QString& field) const { return control<QLineEdit>(field)->text(); }
    QStringList texts(const QString& array, int count) const
    {
        QStringList result;
        for (int i = 0; i < count; ++i)
            result << text(QStringLiteral("%1(%2)").arg(array).arg(i));
        return result;
    }
    // Replaces a cell's text by typing, as the student would.
    void type(const QString& field, const QString& typed)
    {
        QLineEdit* cell = control<QLineEdit>(field);
        cell->setFocus();
        cell->selectAll();
        QTest::keyClick(cell, Qt::Key_Delete);
        QTest::keyClicks(cell, typed);
    }
    void typeAll(const Edits& edits)
    {
        for (const auto& [field, typed] : edits)
            type(field, typed);
    }
    void click(const QString& name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    bool messageShown() const
    {
        return control("Label1")->isVisible() && !control("Label2")->isVisible() &&
               control("Command3")->isVisible() && control("Command3")->isEnabled();
    }
    bool mottoShown() const
    {
        return !control("Label1")->isVisible() && control("Label2")->isVisible() &&
               !control("Command3")->isVisible() && !control("Command3")->isEnabled();
    }

    std::vector<NewRun> accepted;

private:
    NewRunEditor* editor_;
};

void showActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    // The offscreen platform leaves a window shown again after hiding as its
    // focus window without telling the widgets, as a desktop would.
    if (!window->isActiveWindow())
        QApplication::setActiveWindow(window);
    ASSERT_TRUE(window->isActiveWindow());
}

const QStringList kDesignMatrix{"0", "1", "2", "1", "0.5", "0", "0",   "0",
                                "0", "1", "0", "0", "0",   "0", "0.5", "0"};
const QStringList kDesignInitial{"10", "0", "0", "0"};

class NewRunEditorTest : public testing::Test {
protected:
    void SetUp() override { showActive(&editor); }

    NewRunEditor editor{kPoint};
    EditorDriver driver{&editor};
};

TEST_F(NewRunEditorTest, OpensWithTheDesignTextsAndTheMotto)
{
    EXPECT_EQ(editor.objectName(), "dalvo3");
    EXPECT_EQ(editor.windowTitle(), "Change default values");
    EXPECT_EQ(driver.texts("m1", 16), kDesignMatrix);
    EXPECT_EQ(driver.texts("n0", 4), kDesignInitial);
    EXPECT_TRUE(driver.mottoShown());
    EXPECT_EQ(driver.control<QLabel>("Label2")->text(), QStringLiteral("明辨是非，格物致知。"));
    EXPECT_EQ(driver.control<QLabel>("Label1")->text(),
              "Survival rate must be <=1. Press Try Again to enter new data.");
    EXPECT_EQ(driver.control<QPushButton>("Command3")->text(), "Try again");
    EXPECT_EQ(driver.control<QPushButton>("Command1")->text(), "Go Back");
    EXPECT_EQ(driver.control<QPushButton>("Command2")->text(), "Quit");
    const QImage hand = pointingHandCursor().pixmap().toImage();
    for (const char* button : {"Command1", "Command2"}) {
        const QCursor cursor = driver.control(button)->cursor();
        EXPECT_EQ(cursor.pixmap().toImage(), hand) << button;
        EXPECT_EQ(cursor.hotSpot(), pointingHandCursor().hotSpot()) << button;
    }
}

TEST_F(NewRunEditorTest, OpensInTheMiddleOfTheScreenLikeTheOtherWindows)
{
    const QRect screen = editor.screen()->availableGeometry();
    EXPECT_LE((editor.frameGeometry().center() - screen.center()).manhattanLength(), 2)
        << "at " << editor.frameGeometry().x() << ", " << editor.frameGeometry().y();
    EXPECT_TRUE(screen.contains(editor.frameGeometry()));
}

TEST_F(NewRunEditorTest, MottoFontShowsTraditionalChinese)
{
    const QFont font = driver.control<QLabel>("Label2")->font();
    ASSERT_GE(font.families().size(), 2);
    EXPECT_EQ(font.families().front(), "AR PL UMing TW");
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 28.2);
    const QFontMetrics metrics(font);
    for (char32_t character : std::u32string_view(U"明辨是非，格物致知。"))
        EXPECT_TRUE(metrics.inFontUcs4(character)) << static_cast<unsigned>(character);
}

TEST_F(NewRunEditorTest, FixedSizeWithBracketsAroundMatrixAndVector)
{
    EXPECT_EQ(editor.minimumSize(), editor.maximumSize());
    EXPECT_FALSE(editor.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(editor.windowFlags() & Qt::WindowMinimizeButtonHint);
    auto* lines = driver.control<BracketLines>("Line1-Line12");
    EXPECT_EQ(lines->linesInTwips().size(), 12u);
}

TEST_F(NewRunEditorTest, CellRolesAndColours)
{
    const QColor red(255, 0, 0), blue(0, 0, 255), grey(192, 192, 192), white(255, 255, 255);
    struct Case {
        const char* cell;
        bool editable;
        QColor text;
        QColor background;
    };
    std::vector<Case> cases = {
        {"m1(0)", true, red, white},   {"m1(1)", true, red, white},  {"m1(2)", true, red, white},
        {"m1(3)", true, red, white},   {"m1(4)", true, blue, white}, {"m1(9)", true, blue, white},
        {"m1(14)", true, blue, white},
    };
    for (const char* greyCell :
         {"m1(5)", "m1(6)", "m1(7)", "m1(8)", "m1(10)", "m1(11)", "m1(12)", "m1(13)", "m1(15)"})
        cases.push_back({greyCell, false, QColor(), grey});
    for (const char* initial : {"n0(0)", "n0(1)", "n0(2)", "n0(3)"})
        cases.push_back({initial, true, QColor(), white});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        QLineEdit* cell = driver.control<QLineEdit>(c.cell);
        EXPECT_EQ(cell->isReadOnly(), !c.editable);
        EXPECT_EQ(cell->palette().color(QPalette::Base), c.background);
        if (c.text.isValid()) {
            EXPECT_EQ(cell->palette().color(QPalette::Active, QPalette::Text), c.text);
        }
        EXPECT_EQ(cell->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        const QString before = cell->text();
        driver.type(c.cell, "7");
        EXPECT_EQ(cell->text(), c.editable ? QString("7") : before);
    }
}

TEST_F(NewRunEditorTest, TabVisitsOnlyTheEditableCellsAndTheButtons)
{
    driver.control("m1(0)")->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int k = 0; k < 12; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, QStringList({"m1(0)", "m1(1)", "m1(2)", "m1(3)", "m1(4)", "m1(9)", "m1(14)", "n0(0)",
                                    "n0(1)", "n0(2)", "n0(3)", "Command1", "Command2"}));
}

TEST_F(NewRunEditorTest, GoBackValidatesTheSurvivalRates)
{
    struct Case {
        const char* name;
        Edits edits;
        bool refused;
    };
    const std::vector<Case> cases = {
        {"defaults", {}, false},
        {"just above 1", {{"m1(9)", "1.0001"}}, true},
        {"exactly 1", {{"m1(9)", "1"}}, false},
        {"negative", {{"m1(4)", "-0.5"}}, false},
        {"unreadable", {{"m1(14)", "abc"}}, false},
        {"first of two failing cells", {{"m1(4)", "2"}, {"m1(9)", "3"}}, true},
        {"last cell", {{"m1(14)", "1.5"}}, true},
        {"comma stops reading", {{"m1(4)", "1,5"}}, false},
        {"large fecundity", {{"m1(0)", "50"}}, false},
        {"negative fecundity", {{"m1(2)", "-0.1"}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewRunEditor* fresh = new NewRunEditor(kPoint);
        showActive(fresh);
        EditorDriver d(fresh);
        d.typeAll(c.edits);
        const QStringList typed = d.texts("m1", 16);

        d.click("Command1");

        if (c.refused) {
            EXPECT_TRUE(d.messageShown());
            EXPECT_TRUE(d.control("Command3")->hasFocus());
            EXPECT_TRUE(d.accepted.empty());
            EXPECT_EQ(d.texts("m1", 16), typed);
            EXPECT_TRUE(fresh->isVisible());
        } else {
            EXPECT_TRUE(d.mottoShown());
            EXPECT_EQ(d.accepted.size(), 1u);
        }
        delete fresh;
    }
}

TEST_F(NewRunEditorTest, GoBackNormalisesAndHandsOverEveryText)
{
    driver.typeAll({{"m1(0)", " 2.50"},
                    {"m1(1)", "abc"},
                    {"m1(2)", "1,5"},
                    {"m1(3)", "&H10"},
                    {"m1(4)", "1"},
                    {"m1(9)", "0 . 2 5"},
                    {"m1(14)", "-1E-5"},
                    {"n0(0)", "20"},
                    {"n0(1)", ""},
                    {"n0(2)", "3D2"},
                    {"n0(3)", "4x"}});

    driver.click("Command1");

    const QStringList matrix{"2.5", "0",    "1", "16", "1", "0", "0",      "0",
                             "0",   "0.25", "0", "0",  "0", "0", "-1E-05", "0"};
    const QStringList initial{"20", "0", "300", "4"};
    EXPECT_EQ(driver.texts("m1", 16), matrix);
    EXPECT_EQ(driver.texts("n0", 4), initial);
    ASSERT_EQ(driver.accepted.size(), 1u);
    EXPECT_EQ(driver.accepted[0].matrix, (LeslieMatrix{{2.5, 0, 1, 16}, {1, 0.25, -1E-05}}));
    EXPECT_EQ(driver.accepted[0].initial, (std::vector<double>{20, 0, 300, 4}));
}

// The student reads back every number at its right magnitude, as typed and
// as "Go Back" writes it, however wide it is for its cell.
TEST_F(NewRunEditorTest, LongNumbersShowTheirSignWholePartAndExponent)
{
    const QList<QLineEdit*> cells = editor.findChildren<QLineEdit*>();
    ASSERT_EQ(cells.size(), 16 + 4);
    auto expectAllInView = [&] {
        for (QLineEdit* cell : cells)
            EXPECT_TRUE(magnitudeInView(cell, QStringLiteral(".")));
    };
    expectAllInView();

    driver.typeAll({{"m1(0)", "123456.789"},
                    {"m1(1)", "0.0000123456789"},
                    {"m1(2)", "0.125"},
                    {"m1(3)", "98765432109876.5"},
                    {"m1(4)", "0.333333333333333"},
                    {"m1(9)", "-2.5E-300"},
                    {"n0(0)", "123456789012345"},
                    {"n0(1)", "0.000123456789"},
                    {"n0(2)", "-7.25E+20"}});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    {
        SCOPED_TRACE("as typed, once the student moves on");
        expectAllInView();
    }

    driver.click("Command1");
    ASSERT_EQ(driver.accepted.size(), 1u);
    EXPECT_EQ(driver.text("m1(1)"), "1.23456789E-05");
    {
        SCOPED_TRACE("as written back");
        expectAllInView();
    }

    // A short number after a long one is shown at the cell's own size again.
    const QFont design = driver.control<QLineEdit>("m1(2)")->font();
    driver.type("m1(3)", "2");
    EXPECT_EQ(driver.control<QLineEdit>("m1(3)")->font(), design);
    EXPECT_TRUE(driver.control<QLineEdit>("m1(3)")->toolTip().isEmpty());
}

TEST_F(NewRunEditorTest, TryAgainBringsBackTheMotto)
{
    driver.type("m1(4)", "2");
    driver.click("Command1");
    ASSERT_TRUE(driver.messageShown());

    driver.click("Command3");

    EXPECT_TRUE(driver.mottoShown());
    EXPECT_EQ(driver.text("m1(4)"), "2");
    EXPECT_TRUE(driver.accepted.empty());
}

TEST_F(NewRunEditorTest, MessagePersistsUntilTryAgain)
{
    driver.type("m1(9)", "1.0001");
    driver.click("Command1");
    ASSERT_TRUE(driver.messageShown());

    // "Go Back" stays usable while the message is shown and checks again.
    driver.type("m1(9)", "1");
    driver.click("Command1");
    EXPECT_EQ(driver.accepted.size(), 1u);
    EXPECT_EQ(driver.text("m1(9)"), "1");
    EXPECT_TRUE(driver.messageShown());

    editor.hide();
    showActive(&editor);
    EXPECT_TRUE(driver.messageShown());
    EXPECT_EQ(driver.text("m1(9)"), "1");

    driver.type("m1(14)", "5");
    driver.click("Command1");
    EXPECT_EQ(driver.accepted.size(), 1u);
    EXPECT_TRUE(driver.messageShown());
    EXPECT_TRUE(driver.control("Command3")->hasFocus());

    driver.click("Command3");
    EXPECT_TRUE(driver.mottoShown());
}

TEST_F(NewRunEditorTest, HidingKeepsTheTexts)
{
    driver.typeAll({{"m1(1)", "3"}, {"n0(3)", "7.5"}});
    editor.hide();
    showActive(&editor);
    EXPECT_EQ(driver.text("m1(1)"), "3");
    EXPECT_EQ(driver.text("n0(3)"), "7.5");
}

TEST_F(NewRunEditorTest, QuitAsksForTheAboutScreenAndHandsOverNothing)
{
    QSignalSpy quit(&editor, &NewRunEditor::quitRequested);
    driver.type("m1(1)", "3");
    driver.click("Command2");
    EXPECT_EQ(quit.count(), 1);
    EXPECT_TRUE(driver.accepted.empty());
    EXPECT_EQ(driver.text("m1(1)"), "3");
}

TEST_F(NewRunEditorTest, NumbersTooLargeToUseAreRefusedWithAMessage)
{
    struct Case {
        const char* name;
        Edits edits;
        const char* named;
    };
    const std::vector<Case> cases = {
        {"fecundity", {{"m1(1)", "1E400"}}, "row 1, column 2"},
        {"negative survival rate", {{"m1(14)", "-1E400"}}, "row 4, column 3"},
        {"initial number", {{"n0(3)", "1D999"}}, "age class 3"},
        {"initial total", {{"n0(0)", "1E308"}, {"n0(1)", "1E308"}}, "add up"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewRunEditor* fresh = new NewRunEditor(kPoint);
        showActive(fresh);
        EditorDriver d(fresh);
        d.typeAll(c.edits);
        const QStringList typed = d.texts("m1", 16) + d.texts("n0", 4);

        d.click("Command1");

        auto* message = fresh->findChild<QMessageBox*>("problemMessage");
        ASSERT_NE(message, nullptr);
        EXPECT_TRUE(message->isVisible());
        EXPECT_TRUE(message->text().contains(c.named)) << message->text().toStdString();
        EXPECT_TRUE(d.accepted.empty());
        EXPECT_EQ(d.texts("m1", 16) + d.texts("n0", 4), typed);
        EXPECT_TRUE(d.mottoShown());
        delete fresh;
    }
}

TEST_F(NewRunEditorTest, CloseBoxDiscardsTheEditsAndTheMessage)
{
    QPointer<NewRunEditor> closing = new NewRunEditor(kPoint);
    showActive(closing);
    EditorDriver d(closing);
    QSignalSpy closeBox(closing.data(), &SecondaryWindow::closeBoxUsed);
    d.typeAll({{"m1(0)", "4"}, {"m1(9)", "1.5"}, {"n0(0)", "99"}});
    d.click("Command1");
    ASSERT_TRUE(d.messageShown());

    closing->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(closeBox.count(), 1);
    EXPECT_TRUE(closing.isNull());
    EXPECT_TRUE(d.accepted.empty());

    NewRunEditor reopened(kPoint);
    showActive(&reopened);
    EditorDriver again(&reopened);
    EXPECT_EQ(again.texts("m1", 16), kDesignMatrix);
    EXPECT_EQ(again.texts("n0", 4), kDesignInitial);
    EXPECT_TRUE(again.mottoShown());
}

TEST(NewRunEditorCommaTest, WritesTheRegionalSeparatorAndReadsBoth)
{
    NewRunEditor editor(kComma);
    showActive(&editor);
    EditorDriver driver(&editor);
    EXPECT_EQ(driver.text("m1(4)"), "0,5");
    EXPECT_EQ(driver.text("m1(14)"), "0,5");

    driver.typeAll({{"m1(0)", "1.5"}, {"m1(1)", "2,25"}, {"n0(0)", "12,5"}, {"n0(1)", "0.5"}});
    driver.click("Command1");
    ASSERT_EQ(driver.accepted.size(), 1u);
    EXPECT_EQ(driver.text("m1(0)"), "1,5");
    EXPECT_EQ(driver.text("m1(1)"), "2,25");
    EXPECT_EQ(driver.text("m1(4)"), "0,5");
    EXPECT_EQ(driver.texts("n0", 4), QStringList({"12,5", "0,5", "0", "0"}));

    // Under a comma locale "1,5" is one and a half, above 1.
    driver.type("m1(9)", "1,5");
    driver.click("Command1");
    EXPECT_TRUE(driver.messageShown());
    EXPECT_EQ(driver.accepted.size(), 1u);
}

}  // namespace
}  // namespace dalvo::ui
