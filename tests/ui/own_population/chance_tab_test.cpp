// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/own_population/chance_tab.h"

#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "model/stepwise_run.h"
#include "support/input_driver.h"
#include "support/scripted_prompts.h"
#include "ui/charts/plot_points.h"
#include "ui/common/messages.h"
#include "ui/own_population/own_population_window.h"

namespace dalvo::ui {
namespace {

OwnPopulation populationOf(LeslieMatrix matrix, std::vector<double> initial)
{
    OwnPopulation population;
    population.matrix = std::move(matrix);
    population.initial = std::move(initial);
    return population;
}

// The window over the program's default matrix, on its "Chance" tab.
class ChanceTabTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<OwnPopulationWindow>(prompts, numberLocaleOfSystem());
        window->showPopulation(populationOf(defaultMatrix(), defaultInitial()));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        input::keyClick(window.get(), Qt::Key_4, Qt::ControlModifier);
        tab = input::findControl<ChanceTab>(*window, "chanceTab");
        ASSERT_EQ(input::findControl<QTabWidget>(*window, "studyTabs")->currentWidget(), tab);
    }

    // Types over the field its caption's mnemonic leads to.
    void type(Qt::Key mnemonic, const QString& typed) const
    {
        input::keyClick(window.get(), mnemonic, Qt::AltModifier);
        input::keyClick(window.get(), Qt::Key_A, Qt::ControlModifier);
        input::keyClicks(window.get(), typed);
    }
    void run() const
    {
        input::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !tab->running(); }, 20000));
    }
    const PlotPoints* plot(const char* chart) const
    {
        for (QGraphicsItem* item : input::findControl<QChartView>(*window, chart)->chart()->childItems())
            if (auto* points = dynamic_cast<PlotPoints*>(item))
                return points;
        return nullptr;
    }
    // Dashed series with points, and bands, that `chart` draws.
    std::pair<int, int> drawn(const char* chart) const
    {
        int dashed = 0;
        for (int i = 0; plot(chart)->find(i); ++i)
            dashed += plot(chart)->find(i)->dashed && !plot(chart)->find(i)->points.isEmpty();
        return {dashed, static_cast<int>(plot(chart)->bands().size())};
    }
    QString problem() const { return input::findControl<QLabel>(*window, "chanceProblemLabel")->text(); }

    ScriptedPrompts prompts;
    QTemporaryDir folder;
    std::unique_ptr<OwnPopulationWindow> window;
    ChanceTab* tab = nullptr;
};

TEST_F(ChanceTabTest, RunDrawsTheChartsAndSaveWritesThem)
{
    const QString path = folder.filePath("bees-Chance.txt");
    prompts.fileNames = {path};
    input::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompts.reports.size(), 1);  // nothing to save before a run
    run();
    ASSERT_TRUE(tab->result());
    EXPECT_EQ(drawn("fanChart"), std::make_pair(1, 2));
    EXPECT_EQ(drawn("riskChart"), std::make_pair(1, 1));  // the exact curve, the Wilson band
    prompts.fileNames = {path};
    input::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_TRUE(written.startsWith("replicates,1000\r\nsteps,50\r\nseed,1\r\n")) << written.left(200).toStdString();
    EXPECT_EQ(prompts.reports.size(), 1);
    // The runs belong to the population they were made of.
    window->showPopulation(populationOf({{0, 2}, {0.5}}, {10, 0}));
    EXPECT_FALSE(tab->result());
    EXPECT_EQ(drawn("fanChart"), std::make_pair(0, 2));
}

TEST_F(ChanceTabTest, BadSettingsAreRefusedWithAMessage)
{
    struct Case {
        const char* name;
        Qt::Key mnemonic;
        const char* typed;
        const char* said;
    };
    const Case cases[] = {
        {"no replicates", Qt::Key_R, "0", "Replicates"},
        {"a threshold below 0", Qt::Key_H, "-1", "threshold"},
        {"a seed that is not whole", Qt::Key_D, "1.5", "seed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        type(c.mnemonic, c.typed);
        run();
        EXPECT_TRUE(problem().contains(c.said)) << problem().toStdString();
        EXPECT_FALSE(tab->result());
        type(c.mnemonic, "1");
    }
    input::keyClick(window.get(), Qt::Key_G, Qt::AltModifier);  // demographic chance off, as is the other
    EXPECT_TRUE(QTest::qWaitFor([this] { return !input::findControl<QCheckBox>(*window, "demographicBox")->isChecked(); }));
    run();
    EXPECT_TRUE(problem().contains("no chance")) << problem().toStdString();
    EXPECT_FALSE(tab->result());
}

TEST_F(ChanceTabTest, CancelKeepsNothingAndClosingStopsARun)
{
    type(Qt::Key_R, "100000");
    type(Qt::Key_P, "1000");
    input::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(tab->running());
    input::click(input::findControl<QWidget>(*window, "cancelButton"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !tab->running(); }, 2000));
    EXPECT_FALSE(tab->result());
    EXPECT_EQ(drawn("fanChart"), std::make_pair(0, 2));
    EXPECT_TRUE(problem().contains("cancelled")) << problem().toStdString();
    input::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(tab->running());
    window.reset();
}

}  // namespace
}  // namespace dalvo::ui
