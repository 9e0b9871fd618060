// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/outlook/outlook_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "support/scripted_prompts.h"

namespace dalvo::ui {
namespace {

const LeslieMatrix kDefaultMatrix{{0, 1, 2, 1}, {0.5, 1, 0.5}};

class OutlookWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<OutlookWindow>(prompts, NumberLocale{"."});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QString text(const char* name) const { return window->findChild<QLabel*>(name)->text(); }
    QTableWidget* grid(const char* name) const { return window->findChild<QTableWidget*>(name); }
    static QString cell(QTableWidget* grid, int row, int column)
    {
        const QTableWidgetItem* item = grid->item(row, column);
        return item == nullptr ? QString() : item->text();
    }

    ScriptedPrompts prompts;
    std::unique_ptr<OutlookWindow> window;
};

TEST_F(OutlookWindowTest, SaysInWordsWhereTheDefaultRunSettles)
{
    window->showMatrix(kDefaultMatrix);
    EXPECT_TRUE(text("lambdaLabel").startsWith(QStringLiteral("λ = 1.21977"))) << text("lambdaLabel").toStdString();
    EXPECT_TRUE(text("growthLabel").contains(QStringLiteral("grows by 22.0 % per time interval and doubles every 3.5 intervals")))
        << text("growthLabel").toStdString();
    EXPECT_TRUE(text("settlingLabel").contains(QStringLiteral("shrink by a factor 1.44 each interval; they swing with a period of about 2.9 intervals")))
        << text("settlingLabel").toStdString();
    EXPECT_TRUE(text("reproductionLabel").contains(QStringLiteral("R0 = 1.75;")));
}

TEST_F(OutlookWindowTest, GridsHoldOnlyTheEntriesOfTheMatrix)
{
    window->showMatrix(kDefaultMatrix);
    for (const char* name : {"sensitivityGrid", "elasticityGrid"}) {
        SCOPED_TRACE(name);
        double elasticitySum = 0;
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 4; ++column) {
                const bool entry = row == 0 || row == column + 1;
                const QString shown = cell(grid(name), row, column);
                EXPECT_EQ(shown.isEmpty(), !entry) << row << "," << column;
                elasticitySum += shown.toDouble();
            }
        }
        if (std::string(name) == "elasticityGrid") {
            EXPECT_NEAR(elasticitySum, 1.0, 1e-4);
        }
    }
    double distribution = 0;
    for (int age = 0; age < 4; ++age)
        distribution += cell(grid("byAgeTable"), age, 0).toDouble();
    EXPECT_NEAR(distribution, 1.0, 1e-5);
    EXPECT_EQ(cell(grid("byAgeTable"), 0, 1), QStringLiteral("1"));
}

TEST_F(OutlookWindowTest, MatricesWithoutSettlingNumbersGetASentenceInstead)
{
    struct Case {
        const char* name;
        Result<LeslieMatrix> matrix;
        const char* label;
        QString words;
        bool numbersShown;
    };
    const std::vector<Case> cases = {
        {"dies out", LeslieMatrix{{0, 0, 0, 0}, {0.5, 1, 0.5}}, "growthLabel", QStringLiteral("dies out"), false},
        {"imprimitive", LeslieMatrix{{0, 0, 0, 1.5}, {0.5, 1, 0.5}}, "settlingLabel",
         QStringLiteral("cycle with period 4"), true},
        {"refused", LeslieMatrix{{0, -1, 0, 0}, {0.5, 1, 0.5}}, "growthLabel", QStringLiteral("F(1)"), false},
        {"unreadable", Error{"The cell shows \"x\"."}, "growthLabel", QStringLiteral("\"x\""), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window->showMatrix(kDefaultMatrix);
        window->showMatrix(c.matrix);
        EXPECT_TRUE(text(c.label).contains(c.words)) << text(c.label).toStdString();
        EXPECT_EQ(!cell(grid("sensitivityGrid"), 0, 3).isEmpty(), c.numbersShown);
        EXPECT_EQ(!cell(grid("byAgeTable"), 0, 0).isEmpty(), c.numbersShown);
        EXPECT_FALSE(text("settlingLabel").contains(QStringLiteral("shrink by a factor")));
    }
}

TEST_F(OutlookWindowTest, SaveWritesTheAnalysisFileWhereTheStudentChose)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("default.txt"));
    window->showMatrix(kDefaultMatrix, std::vector<double>{10, 0, 0, 0});
    prompts.fileNames = {path};
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("classes,4\r\nlambda,1.21977")) << bytes.left(40).toStdString();
    EXPECT_EQ(bytes.count("\r\n"), 18);
    EXPECT_TRUE(bytes.endsWith("title,\r\nfecundity,0,1,2,1\r\nsurvival,0.5,1,0.5\r\ninitial_numbers,10,0,0,0\r\n"));
    EXPECT_TRUE(prompts.reports.isEmpty());

    // Cancelled: nothing written, nothing said.
    QTest::mouseClick(window->findChild<QPushButton*>("outlookSaveButton"), Qt::LeftButton);
    EXPECT_EQ(folder.path() + "/default.txt", path);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);

    // A folder where the file should go: said, and no file.
    prompts.fileNames = {folder.path()};
    QTest::mouseClick(window->findChild<QPushButton*>("outlookSaveButton"), Qt::LeftButton);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports.front().startsWith(QStringLiteral("The analysis was not saved.")));
}

struct SentenceCase {
    const char* name;
    LeslieMatrix matrix;
    std::vector<double> initial;
    const char* label;
    QString says;  // empty: the label says nothing
};

// Reference digits for the default matrix come from its characteristic
// polynomial solved to 60 digits outside this program.
const std::vector<SentenceCase> kSentenceCases = {
    {"λ2", kDefaultMatrix, {10, 0, 0, 0}, "secondRootLabel", "-0.467997 + 0.709375i, with |λ2| = 0.849844"},
    {"R0", kDefaultMatrix, {}, "reproductionLabel", "Each newborn leaves on average 1.75 newborns"},
    {"source", kDefaultMatrix, {10, 0, 0, 0}, "sourceLabel", "P = (0.5, 1, 0.5), for the start N(0) = (10, 0, 0, 0)."},
    {"breeders ahead", {{1.2, 0, 0, 0}, {0.5, 1, 0.5}}, {10, 0, 0, 0}, "startLabel", ""},
    {"no future breeders", {{1.2, 0, 0, 0}, {0.5, 1, 0.5}}, {0, 10, 10, 10}, "startLabel", "start dies out within 4"},
    {"youngest only", {{1.2, 0, 0, 0}, {0.5, 1, 0.5}}, {}, "settlingLabel", "Only the youngest class has young, so"},
    {"older young unreached", {{1.2, 0, 3, 0}, {0.5, 0, 0.5}}, {}, "settlingLabel", "has young that ever reach"},
    {"tiny growth", {{1.00004, 0, 0, 0}, {0.5, 1, 0.5}}, {}, "growthLabel", "grows by 0.0040 % per time"},
    {"huge growth", {{1e6, 1e6, 1e6, 1e6}, {1e-9, 1e-9, 1e-9}}, {}, "growthLabel", "by about a million each"},
    {"slow settling", {{0, 0, 0.5, 1e-6}, {1, 1, 1}}, {}, "settlingLabel", "by a factor 1.0000013 each interval"},
    {"slow settling said", {{0, 0, 0.5, 1e-6}, {1, 1, 1}}, {}, "settlingLabel", "That is very slow"},
    {"negative real λ2", {{0.5, 1, 0, 0}, {0.5, 1, 1}}, {}, "settlingLabel", "alternate up and down"},
    {"shrinking", {{0, 0.5, 0.5, 0.5}, {0.5, 0.5, 0.5}}, {}, "growthLabel", "it dies out"},
    {"λ = 0", {{0, 0, 0, 0}, {0.5, 1, 0.5}}, {}, "byAgeCaption", "By age: empty, as λ = 0"},
};

TEST_F(OutlookWindowTest, SentencesSayWhatTheNumbersMean)
{
    for (const SentenceCase& c : kSentenceCases) {
        SCOPED_TRACE(c.name);
        window->showMatrix(c.matrix, c.initial);
        EXPECT_TRUE(c.says.isEmpty() ? text(c.label).isEmpty() : text(c.label).contains(c.says))
            << text(c.label).toStdString();
    }
}

TEST_F(OutlookWindowTest, EveryTextFitsItsControlInBothLocales)
{
    for (const char* separator : {".", ","}) {
        OutlookWindow shown(prompts, NumberLocale{separator});
        for (const SentenceCase& c : kSentenceCases) {
            shown.showMatrix(c.matrix, c.initial);
            for (const QLabel* label : shown.findChildren<QLabel*>()) {
                const QFontMetrics metrics(label->font());
                const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                     : metrics.horizontalAdvance(label->text());
                EXPECT_LE(needed, label->wordWrap() ? label->height() : label->width())
                    << separator << " " << c.name << " " << label->objectName().toStdString();
            }
        }
        for (const QPushButton* button : shown.findChildren<QPushButton*>())
            EXPECT_LE(button->sizeHint().width(), button->width()) << button->objectName().toStdString();
    }
}

TEST_F(OutlookWindowTest, TabLeavesTheTablesAndReachesEveryButton)
{
    window->showMatrix(kDefaultMatrix);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QSet<QString> reached;
    for (int press = 0; press < 12; ++press) {
        QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    for (const char* control : {"byAgeTable", "sensitivityGrid", "elasticityGrid", "outlookPrintButton",
                                "outlookSaveButton", "outlookGoBackButton"})
        EXPECT_TRUE(reached.contains(control)) << control;
}

TEST_F(OutlookWindowTest, EscapeAndGoBackReturnToTheMainWindow)
{
    QSignalSpy back(window.get(), &OutlookWindow::backToMainRequested);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTest::mouseClick(window->findChild<QPushButton*>("outlookGoBackButton"), Qt::LeftButton);
    EXPECT_EQ(back.count(), 2);
}

}  // namespace
}  // namespace dalvo::ui
