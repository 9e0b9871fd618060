// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>

#include "model/own_population.h"
#include "presentation/own_population_charts.h"
#include "support/input_driver.h"
#include "ui/charts/plot_points.h"
#include "ui/common/messages.h"
#include "ui/own_population/life_table_tab.h"
#include "ui/own_population/outlook_tab.h"
#include "ui/own_population/projection_tab.h"

namespace dalvo::ui {
namespace {

OwnPopulation matrixPopulation(std::vector<double> fecundity, std::vector<double> survival)
{
    OwnPopulation population{.matrix = {std::move(fecundity), std::move(survival)}};
    population.initial.assign(population.matrix.fecundity.size(), 10.0);
    return population;
}

// Late breeders with a long life: slow, swinging convergence over 101 classes.
OwnPopulation hundredAndOneClasses()
{
    std::vector<double> fecundity(kMaxAgeClasses, 0.0);
    for (int age = 20; age < kMaxAgeClasses; ++age)
        fecundity[static_cast<std::size_t>(age)] = 0.08;
    return matrixPopulation(fecundity, std::vector<double>(kMaxAgeClasses - 1, 0.97));
}

// A number as the student's locale shows it; anything else counts as far off.
double parsed(const QString& text)
{
    const Result<double> read = parseNumber(text.toStdString(), numberLocaleOfSystem());
    return read ? *read : 1e9;
}

struct Case {
    const char* name;
    OwnPopulation population;
    bool analysed;    // the outlook has numbers
    bool settles;     // the damping ratio predicts the convergence
};

const std::vector<Case>& cases()
{
    static const std::vector<Case> all = {
        {"4 classes", matrixPopulation({0, 1, 2, 1}, {0.5, 1, 0.5}), true, true},
        {"101 classes", hundredAndOneClasses(), true, true},
        // No one who has young lives to have them: λ = 0.
        {"dying out", matrixPopulation({0, 0, 0, 1}, {0.5, 0, 0.5}), true, false},
        {"cannot analyse", matrixPopulation({0, 1, 2, 1}, {1.5, 1, 0.5}), false, false},
        {"life table", *populationFromLifeTable({{1, 0.6, 0.3, 0.1}, {0, 1.5, 2, 1}}, Census::PreBreeding), true,
         true},
    };
    return all;
}

// The three tabs in a window of their own, as the student meets them.
class OwnPopulationTabsTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QTabWidget>();
        projection = new ProjectionTab(window.get());
        outlook = new OutlookTab(window.get());
        lifeTable = new LifeTableTab(window.get());
        window->addTab(projection, QStringLiteral("Projection"));
        window->addTab(outlook, QStringLiteral("Outlook"));
        window->addTab(lifeTable, QStringLiteral("Life table"));
        // The room the window gives its tabs at its first size.
        window->resize(968, 628);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void show(const OwnPopulation& population)
    {
        study = studyPopulation(population);
        for (StudyTab* tab : std::initializer_list<StudyTab*>{projection, outlook, lifeTable})
            tab->showStudy(population, study);
    }

    const PlotPoints* plotOf(const char* chart) const
    {
        auto* view = input::findControl<QChartView>(*window, QString::fromLatin1(chart));
        for (QGraphicsItem* item : view->chart()->childItems())
            if (auto* plot = dynamic_cast<PlotPoints*>(item))
                return plot;
        ADD_FAILURE() << chart << " has no plot";
        return nullptr;
    }

    // The series the chart draws, as its plot holds them.
    std::vector<const PlotPoints::Series*> drawn(const char* chart) const
    {
        std::vector<const PlotPoints::Series*> series;
        const PlotPoints* plot = plotOf(chart);
        for (int i = 0; plot && plot->find(i); ++i)
            if (!plot->find(i)->points.isEmpty())
                series.push_back(plot->find(i));
        return series;
    }

    double sum(const char* table, std::initializer_list<int> columns) const
    {
        double total = 0;
        auto* grid = input::findControl<QTableWidget>(*window, QString::fromLatin1(table));
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column : columns)
                if (const QTableWidgetItem* cell = grid->item(row, column); cell && !cell->text().isEmpty())
                    total += parsed(cell->text());
        return total;
    }

    std::unique_ptr<QTabWidget> window;
    ProjectionTab* projection = nullptr;
    OutlookTab* outlook = nullptr;
    LifeTableTab* lifeTable = nullptr;
    PopulationStudy study;
};

TEST_F(OwnPopulationTabsTest, EachPopulationShowsItsOutlookChartsAndTables)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        show(c.population);
        const int classes = c.population.matrix.classes();

        // Grids for a matrix small enough to read as one, columns by age beyond.
        const bool columns = classes > 4;
        EXPECT_EQ(input::findControl(*window, QStringLiteral("byAgeColumns"))->isVisibleTo(outlook), columns);
        EXPECT_EQ(input::findControl(*window, QStringLiteral("elasticityGrid"))->isVisibleTo(outlook), !columns);
        const bool numbers = c.analysed && !study.outlook->diesOut();
        const double elasticities =
            columns ? sum("byAgeColumns", {4, 5}) : sum("elasticityGrid", {0, 1, 2, 3});
        const double shares = columns ? sum("byAgeColumns", {0}) : sum("byAgeTable", {0});
        EXPECT_NEAR(elasticities, numbers ? 1.0 : 0.0, 1e-3);
        EXPECT_NEAR(shares, numbers ? 1.0 : 0.0, 1e-4);
        EXPECT_FALSE(input::findControl<QLabel>(*window, QStringLiteral("lambdaLabel"))->text().isEmpty());
        EXPECT_EQ(input::findControl<QLabel>(*window, QStringLiteral("cohortTimeLabel"))->text().isEmpty(),
                  !c.analysed);

        // The convergence: a dashed prediction beside falling distances.
        const auto convergence = drawn("convergenceChart");
        const auto dashed = std::count_if(convergence.begin(), convergence.end(),
                                          [](const PlotPoints::Series* s) { return s->dashed; });
        EXPECT_EQ(dashed, c.settles ? 1 : 0);
        for (const PlotPoints::Series* s : convergence)
            EXPECT_LT(s->points.back().y(), s->points.front().y()) << "dashed " << s->dashed;

        // Classes left to the default follow the population from one to the next.
        EXPECT_EQ(drawn("distributionChart").size(), defaultDrawnClasses(classes).size());

        // Ctrl+C through the window copies the whole run, a heading row over one row per step.
        window->setCurrentWidget(projection);
        auto* tableBox = input::findControl<QCheckBox>(*window, QStringLiteral("tableBox"));
        if (!tableBox->isChecked())
            input::click(tableBox);
        auto* runTable = input::findControl(*window, QStringLiteral("runTable"));
        ASSERT_TRUE(runTable->isVisible());
        QApplication::clipboard()->clear();
        input::keyClick(runTable, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split(QRegularExpression("\r?\n"),
                                                                          Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), c.population.steps + 2);
        EXPECT_EQ(lines.front().count(QLatin1Char('\t')), classes + 2);

        const auto* lifeRows = input::findControl<QAbstractItemView>(*window, QStringLiteral("lifeTable"));
        EXPECT_EQ(lifeRows->model()->rowCount(), study.lifeTable.ages());
        EXPECT_EQ(study.lifeTableReadOffMatrix, !c.population.lifeTable.has_value());
    }
}

// A valid entry is taken (Steps says so to the window); any other is marked and goes no further.
TEST_F(OwnPopulationTabsTest, EntriesAreTakenOnlyWhenValid)
{
    show(hundredAndOneClasses());
    QSignalSpy steps(projection, &ProjectionTab::stepsChanged);
    auto* problem = input::findControl<QLabel>(*window, QStringLiteral("problemLabel"));
    auto* stepsField = input::findControl<QLineEdit>(*window, QStringLiteral("stepsField"));
    auto* classesField = input::findControl<QLineEdit>(*window, QStringLiteral("classesField"));
    const QColor unmarked = stepsField->palette().color(QPalette::Base);
    struct Entry {
        QLineEdit* field;
        const char* typed;
        bool taken;
    };
    const Entry entries[] = {
        {stepsField, "abc", false},          {stepsField, "1001", false},   {stepsField, "2.5", false},
        {stepsField, "0", false},            {stepsField, "80", true},      {classesField, "0-3, 200", false},
        {classesField, "x", false},          {classesField, "0, 50, 100", true},
    };
    for (const Entry& e : entries) {
        SCOPED_TRACE(e.typed);
        steps.clear();
        e.field->setFocus();
        e.field->selectAll();
        input::keyClicks(e.field, QString::fromLatin1(e.typed));
        input::keyClick(e.field, Qt::Key_Return);
        EXPECT_EQ(problem->text().isEmpty(), e.taken) << problem->text().toStdString();
        EXPECT_EQ(e.field->palette().color(QPalette::Base) == unmarked, e.taken);
        const bool signalled = e.taken && e.field == stepsField;
        ASSERT_EQ(steps.count(), signalled ? 1 : 0);
        if (signalled)
            EXPECT_EQ(steps.front().front().toInt(), QString::fromLatin1(e.typed).toInt());
    }
    // The log scale puts the total's points at the logarithms of its values.
    const QList<QPointF> linear = drawn("totalChart").front()->points;
    input::click(input::findControl(*window, QStringLiteral("logScaleBox")));
    const QList<QPointF> logarithmic = drawn("totalChart").front()->points;
    ASSERT_EQ(logarithmic.size(), linear.size());
    EXPECT_NEAR(logarithmic.back().y(), std::log10(linear.back().y()), 1e-9);

    // Each class drawn comes with its stable share as a dashed line in its colour.
    EXPECT_EQ(drawn("distributionChart").size(), 3u);
    const PlotPoints* distribution = plotOf("distributionChart");
    ASSERT_EQ(distribution->guides().size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(distribution->guides()[i].colour, drawn("distributionChart")[i]->lineColour);
}

}  // namespace
}  // namespace dalvo::ui
