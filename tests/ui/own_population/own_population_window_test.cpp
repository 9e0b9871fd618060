// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/own_population/own_population_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "files/population_file.h"
#include "model/stepwise_run.h"
#include "support/input_driver.h"
#include "support/scripted_prompts.h"
#include "ui/common/messages.h"

namespace dalvo::ui {
namespace {

OwnPopulation defaultPopulation()
{
    OwnPopulation population;
    population.matrix = defaultMatrix();
    population.initial = defaultInitial();
    return population;
}

// The window over the program's default matrix, in the student's locale.
class OwnPopulationWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<OwnPopulationWindow>(prompts, locale);
        window->showPopulation(defaultPopulation());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QTableWidget* table() const { return input::findControl<QTableWidget>(*window, "entryTable"); }
    QString text(const char* name) const { return input::findControl<QLabel>(*window, name)->text(); }
    QString cell(int row, int column) const { return table()->item(row, column)->text(); }
    // "1.5" in the student's locale.
    QString local(const char* number) const
    {
        return QString::fromLatin1(number).replace('.', QString::fromStdString(locale.decimalSeparator));
    }

    void selectCell(int row, int column) const
    {
        input::click(table()->viewport(), table()->visualItemRect(table()->item(row, column)).center());
    }
    // Types over a cell and commits it with Enter, as the student does.
    void type(int row, int column, const QString& typed) const
    {
        selectCell(row, column);
        input::keyClick(window.get(), Qt::Key_F2);
        input::keyClick(window.get(), Qt::Key_A, Qt::ControlModifier);
        input::keyClicks(window.get(), typed);
        input::keyClick(window.get(), Qt::Key_Return);
    }
    QString writeFile(const char* name, const char* contents) const
    {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return path;
    }

    NumberLocale locale = numberLocaleOfSystem();
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    std::unique_ptr<OwnPopulationWindow> window;
};

TEST_F(OwnPopulationWindowTest, EveryEntryIsCheckedAndOnlyAValidOneChangesTheStudy)
{
    struct Case {
        const char* name;
        int row;
        int column;  // F(x), P(x), N(0)
        const char* typed;
        bool accepted;
    };
    const Case cases[] = {
        {"not a number", 1, 0, "abc", false},
        {"negative fecundity", 1, 0, "-1", false},
        {"survival above 1", 0, 1, "1.5", false},
        {"negative N(0)", 2, 2, "-3", false},
        {"a fecundity", 1, 0, "1.5", true},
        {"a survival rate", 0, 1, "0.6", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window->showPopulation(defaultPopulation());
        const OwnPopulation before = window->population();
        const double lambdaBefore = window->study().outlook->lambda;
        type(c.row, c.column, local(c.typed));
        EXPECT_EQ(cell(c.row, c.column), local(c.typed));
        if (!c.accepted) {
            EXPECT_EQ(window->population().matrix, before.matrix);
            EXPECT_EQ(window->population().initial, before.initial);
            EXPECT_EQ(table()->item(c.row, c.column)->background().color(), QColor(255, 192, 192));
            EXPECT_FALSE(text("reasonLabel").isEmpty());
            EXPECT_TRUE(text("whatIfLabel").isEmpty());
            continue;
        }
        const double lambdaAfter = window->study().outlook->lambda;
        EXPECT_NE(lambdaAfter, lambdaBefore);
        EXPECT_TRUE(text("reasonLabel").isEmpty());
        const QString whatIf = text("whatIfLabel");
        for (double lambda : {lambdaBefore, lambdaAfter})
            EXPECT_TRUE(whatIf.contains(toQString(formatFixed(lambda, 4, locale)))) << whatIf.toStdString();
        EXPECT_TRUE(whatIf.contains("sensitivity")) << whatIf.toStdString();
    }
}

TEST_F(OwnPopulationWindowTest, PastedCellsFillTheTableAndAddRows)
{
    selectCell(0, 0);
    QApplication::clipboard()->setText(local("2\t0.8\t5\r\n3\t\t7\n1\t0.5\t1\n1\t0.5\t1\n0.5\t\t2\n"));
    input::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    const OwnPopulation& pasted = window->population();
    EXPECT_EQ(pasted.matrix.fecundity, (std::vector<double>{2, 3, 1, 1, 0.5}));
    // The empty cell kept P(1), and the class added by the paste has a survival rate into it.
    EXPECT_EQ(pasted.matrix.survival, (std::vector<double>{0.8, 1, 0.5, 0.5}));
    EXPECT_EQ(pasted.initial, (std::vector<double>{5, 7, 1, 1, 2}));
    EXPECT_EQ(pasted.matrix.classes(), table()->rowCount());
}

TEST_F(OwnPopulationWindowTest, TheLifeTableTakesTheCensusChosen)
{
    // Pre-breeding F(1) = l(1) m(2) = 1.5, post-breeding F(1) = l(2) / l(1) m(2) = 1.2.
    const char* kTable = "x,lx,mx\n0,1,0\n1,0.5,2\n2,0.2,3\n3,0,0\n";
    window->showPopulation(*readPopulationText(kTable));
    auto* post = input::findControl<QRadioButton>(*window, "postBreedingRadio");
    EXPECT_TRUE(input::findControl<QRadioButton>(*window, "lifeTableRadio")->isChecked());
    EXPECT_FALSE(post->isChecked());
    const LeslieMatrix pre = window->population().matrix;
    const QString preFecundity = cell(1, 3);
    // A mnemonic clicks its button a moment later.
    input::keyClick(window.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([post] { return post->isChecked(); }));
    EXPECT_EQ(window->population().census, Census::PostBreeding);
    EXPECT_NE(window->population().matrix, pre);
    EXPECT_EQ(cell(1, 3), local("1.2"));
    EXPECT_NE(cell(1, 3), preFecundity);
    EXPECT_TRUE(table()->item(1, 3)->toolTip().startsWith("F(1) =")) << table()->item(1, 3)->toolTip().toStdString();
    EXPECT_FALSE(table()->item(1, 3)->flags() & Qt::ItemIsEditable);
    // Counted at another moment, the population grows as before: nothing is predicted.
    const QString said = input::findControl<QLabel>(*window, "whatIfLabel")->text();
    EXPECT_TRUE(said.startsWith("Both censuses") && !said.contains("predicted")) << said.toStdString();
    // Back to a matrix: the derived one stays, now typed into.
    input::keyClick(window.get(), Qt::Key_M, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window->population().lifeTable; }));
    EXPECT_EQ(window->population().matrix, matrixFromLifeTable(*readLifeTableText(kTable),
                                                               Census::PostBreeding).value());
}

TEST_F(OwnPopulationWindowTest, UseInTheMainWindowOnlyWithFourClasses)
{
    auto* use = input::findControl<QPushButton>(*window, "useButton");
    std::vector<LeslieMatrix> used;
    QObject::connect(window.get(), &OwnPopulationWindow::useInMainWindowRequested, window.get(),
                     [&used](const LeslieMatrix& matrix, const std::vector<double>&) { used.push_back(matrix); });
    ASSERT_TRUE(use->isEnabled());
    input::click(use);
    EXPECT_EQ(used, std::vector<LeslieMatrix>{defaultMatrix()});
    input::click(input::findControl<QPushButton>(*window, "addRowButton"));
    EXPECT_EQ(window->population().matrix.classes(), 5);
    EXPECT_FALSE(use->isEnabled());
    EXPECT_TRUE(use->toolTip().contains("5")) << use->toolTip().toStdString();
}

TEST_F(OwnPopulationWindowTest, SaveWritesTheKindTheNameAsksFor)
{
    struct Case {
        const char* name;
        std::function<void(const std::string& written, const OwnPopulationWindow& window)> check;
    };
    const Case cases[] = {
        {"population.txt",
         [](const std::string& written, const OwnPopulationWindow& w) {
             const Result<OwnPopulation> back = readPopulationText(written);
             ASSERT_TRUE(back) << back.error().message;
             EXPECT_EQ(back->matrix, w.population().matrix);
             EXPECT_EQ(back->initial, w.population().initial);
         }},
        {"population.csv",
         [](const std::string& written, const OwnPopulationWindow& w) {
             const Result<LifeTable> back = readLifeTableText(written);
             ASSERT_TRUE(back) << back.error().message;
             EXPECT_EQ(back->ages(), w.study().lifeTable.ages());
         }},
        {"population-Analysis.txt",
         [](const std::string& written, const OwnPopulationWindow&) {
             EXPECT_NE(written.find("lambda,1.2197"), std::string::npos) << written;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath(QString::fromLatin1(c.name));
        prompts.fileNames = {path};
        input::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        c.check(file.readAll().toStdString(), *window);
    }
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
}

TEST_F(OwnPopulationWindowTest, OpenTakesALifeTableAndABadFileChangesNothing)
{
    prompts.fileNames = {writeFile("bad.txt", "hello\nworld\n")};
    input::click(input::findControl<QPushButton>(*window, "openButton"));
    EXPECT_EQ(prompts.reports.size(), 1);
    EXPECT_EQ(window->population().matrix, defaultMatrix());

    prompts.fileNames = {writeFile("table.csv", "x,lx,mx\n0,1,0\n1,0.8,1\n2,0.4,2\n3,0.1,1\n4,0,0\n")};
    input::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(prompts.reports.size(), 1);
    ASSERT_TRUE(window->population().lifeTable);
    EXPECT_EQ(window->population().lifeTable->ages(), 5);
    EXPECT_EQ(table()->rowCount(), 5);
    EXPECT_EQ(cell(1, 1), local("0.8"));
}

}  // namespace
}  // namespace dalvo::ui
