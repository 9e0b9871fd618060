// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/own_population/projection_tab.h"
#include "ui/own_population/tab_entries.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "model/population_projection.h"
#include "presentation/own_population_charts.h"
#include "presentation/own_population_text.h"
#include "ui/charts/chart_renderer.h"
#include "ui/common/control_sheet.h"
#include "ui/common/controls.h"
#include "ui/common/messages.h"
#include "ui/own_population/cells_table.h"
#include "ui/own_population/sheet_layout.h"

namespace dalvo::ui {

namespace {

constexpr const char* kContext = "dalvo::ui::ProjectionTab";
// Behind a field whose entry is not taken.
const QColor kMarkedField{255, 205, 205};

constexpr int kRowTop = 90;
constexpr int kRowHeight = 420;
constexpr int kChartsLeft = 90;
constexpr int kChartsTop = 690;
constexpr int kChartWidth = 7110;
constexpr int kChartHeight = 4050;

ControlEntry chart(const char* role, const char* name, int column, int row)
{
    return {.role = role,
            .objectName = role,
            .kind = ControlKind::Own,
            .twips = {kChartsLeft + column * kChartWidth, kChartsTop + row * kChartHeight, kChartWidth, kChartHeight},
            .accessibleName = name,
            .takesTurnsWith = {"runTable"}};
}

ControlSheet makeSheet()
{
    return {
        .context = kContext,
        .windowName = QStringLiteral("projectionTab"),
        .twips = {kStudyTabWidthTwips, kStudyTabHeightTwips},
        .controls =
            {
                tabCaption("stepsCaption", QT_TRANSLATE_NOOP("dalvo::ui::ProjectionTab", "Steps:"),
                      {90, kRowTop, 780, kRowHeight}),
                tabField("stepsField",
                      QT_TRANSLATE_NOOP("dalvo::ui::ProjectionTab",
                                        "How many time intervals to project, at most 1000 (Enter takes it)"),
                      {870, kRowTop, 840, kRowHeight}),
                tabCaption("classesCaption", QT_TRANSLATE_NOOP("dalvo::ui::ProjectionTab", "Classes drawn:"),
                      {1830, kRowTop, 1560, kRowHeight}),
                tabField("classesField",
                      QT_TRANSLATE_NOOP("dalvo::ui::ProjectionTab",
                                        "The classes the age distribution draws one by one, such as 0-3, 10, 20"),
                      {3390, kRowTop, 2040, kRowHeight}),
                {.role = "logScaleBox",
                 .objectName = "logScaleBox",
                 .kind = ControlKind::CheckBox,
                 .caption = QT_TRANSLATE_NOOP("dalvo::ui::ProjectionTab", "Log scale"),
                 .toolTip = QT_TRANSLATE_NOOP("dalvo::ui::ProjectionTab", "Logarithmic axis for the total"),
                 .twips = {5550, kRowTop, 1440, kRowHeight},
                 .font = {11}},
                {.role = "tableBox",
                 .objectName = "tableBox",
                 .kind = ControlKind::CheckBox,
                 .caption = QT_TRANSLATE_NOOP("dalvo::ui::ProjectionTab", "Numbers"),
                 .toolTip = QT_TRANSLATE_NOOP("dalvo::ui::ProjectionTab",
                                              "The run's numbers as a table in place of the charts; Ctrl+C "
                                              "copies them for a spreadsheet"),
                 .twips = {7110, kRowTop, 1440, kRowHeight},
                 .font = {11}},
                {.role = "problemLabel",
                 .objectName = "problemLabel",
                 .twips = {8670, 30, 5640, 630},
                 .font = {9}},
                chart("totalChart", QT_TRANSLATE_NOOP("dalvo::ui::ProjectionTab", "Total population"), 0, 0),
                chart("growthChart", QT_TRANSLATE_NOOP("dalvo::ui::ProjectionTab", "Growth rate"), 1, 0),
                chart("distributionChart", QT_TRANSLATE_NOOP("dalvo::ui::ProjectionTab", "Age distribution"), 0,
                      1),
                chart("convergenceChart",
                      QT_TRANSLATE_NOOP("dalvo::ui::ProjectionTab", "Distance from the stable distribution"), 1, 1),
                {.role = "runTable",
                 .objectName = "runTable",
                 .kind = ControlKind::Own,
                 .twips = {kChartsLeft, kChartsTop, 2 * kChartWidth, 2 * kChartHeight},
                 .font = {10},
                 .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::ProjectionTab", "The run's numbers by step"),
                 .takesTurnsWith = {"totalChart", "growthChart", "distributionChart", "convergenceChart"}},
            },
    };
}

// "0, 20, 40": how the field shows a choice of classes.
QString classesText(const std::vector<int>& classes)
{
    QStringList texts;
    for (int drawn : classes)
        texts << QString::number(drawn);
    return texts.join(QStringLiteral(", "));
}

}  // namespace

const ControlSheet& ProjectionTab::sheet()
{
    static const ControlSheet sheet = makeSheet();
    return sheet;
}

ProjectionTab::~ProjectionTab()
{
    // A field that loses the focus while the tab is taken down finishes its
    // editing; by then this is no longer a ProjectionTab to read it.
    stepsField_->disconnect(this);
    classesField_->disconnect(this);
}

ProjectionTab::ProjectionTab(QWidget* parent) : StudyTab(parent), locale_(numberLocaleOfSystem())
{
    OwnControls own;
    const char* chartRoles[Charts] = {"totalChart", "growthChart", "distributionChart", "convergenceChart"};
    for (int index = 0; index < Charts; ++index)
        own[QString::fromLatin1(chartRoles[index])] = [this, index](QWidget* tab) {
            views_[index] = new QChartView(new QChart, tab);
            return views_[index];
        };
    own[QStringLiteral("runTable")] = [](QWidget* tab) { return new CellsTable(tab); };
    const ControlSet controls = buildControls(this, sheet(), own);
    new SheetLayout(this, sheet(), controls);
    resize(sizeHint());

    for (QChartView* view : views_) {
        view->setRenderHint(QPainter::Antialiasing);
        view->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
        view->chart()->setBackgroundRoundness(0);
        view->chart()->setMargins(QMargins(2, 2, 2, 2));
        renderers_.push_back(std::make_unique<ChartRenderer>(view->chart(), locale_));
    }
    stepsField_ = controls.get<QLineEdit>(QStringLiteral("stepsField"));
    classesField_ = controls.get<QLineEdit>(QStringLiteral("classesField"));
    logScaleBox_ = controls.get<QCheckBox>(QStringLiteral("logScaleBox"));
    problemLabel_ = controls.get<QLabel>(QStringLiteral("problemLabel"));
    problemLabel_->setWordWrap(true);
    setTextColour(problemLabel_, colours::darkRed);
    table_ = controls.get<CellsTable>(QStringLiteral("runTable"));
    table_->hide();
    // The table takes the charts' place, and gives it back.
    auto* tableBox = controls.get<QCheckBox>(QStringLiteral("tableBox"));
    connect(tableBox, &QCheckBox::toggled, this, [this](bool table) {
        table_->setVisible(table);
        for (QChartView* view : views_)
            view->setVisible(!table);
        if (table)
            table_->setFocus();
    });

    connect(stepsField_, &QLineEdit::editingFinished, this, &ProjectionTab::readSteps);
    connect(classesField_, &QLineEdit::editingFinished, this, &ProjectionTab::readDrawnClasses);
    connect(logScaleBox_, &QCheckBox::toggled, this, [this] {
        if (study_)
            renderers_[Total]->render(ownTotalChart(*study_, logScaleBox_->isChecked(), locale_));
    });
}

void ProjectionTab::mark(QLineEdit* field, const QString& problem)
{
    field->setProperty("entryProblem", problem);
    setBackground(field, problem.isEmpty() ? QColor(Qt::white) : kMarkedField);
    QStringList problems;
    for (const QLineEdit* entry : {stepsField_, classesField_})
        if (const QString said = entry->property("entryProblem").toString(); !said.isEmpty())
            problems << said;
    problemLabel_->setText(problems.join(QLatin1Char(' ')));
}

void ProjectionTab::readSteps()
{
    const Result<double> read = parseNumber(stepsField_->text().trimmed().toStdString(), locale_);
    const bool whole = read && std::floor(*read) == *read && *read >= 1 && *read <= kMostProjectionSteps;
    if (!whole) {
        mark(stepsField_, tr("Steps must be a whole number from 1 to %1.").arg(kMostProjectionSteps));
        return;
    }
    mark(stepsField_, {});
    const int steps = static_cast<int>(*read);
    if (!study_ || steps != study_->projection.steps)
        emit stepsChanged(steps);
}

void ProjectionTab::readDrawnClasses()
{
    if (classes_ <= 0)
        return;
    if (classesField_->text().trimmed().isEmpty())
        classesField_->setText(classesText(defaultDrawnClasses(classes_)));
    const Result<std::vector<int>> read = parseDrawnClasses(classesField_->text().toStdString(), classes_);
    if (!read) {
        mark(classesField_, tr("Classes drawn: %1").arg(shownError(read.error())));
        return;
    }
    mark(classesField_, {});
    classesChosen_ = *read != defaultDrawnClasses(classes_);
    if (*read == drawnClasses_)
        return;
    drawnClasses_ = *read;
    drawDistribution();
}

void ProjectionTab::showStudy(const OwnPopulation& population, const PopulationStudy& study)
{
    study_ = study;
    // An entry the student is still putting right stays as typed.
    if (stepsField_->property("entryProblem").toString().isEmpty())
        stepsField_->setText(QString::number(population.steps));
    const int classes = study.projection.classes;
    if (classes != classes_) {
        classes_ = classes;
        // A choice of the student's stays while the population has those classes.
        const Result<std::vector<int>> kept = parseDrawnClasses(classesField_->text().toStdString(), classes);
        classesChosen_ = classesChosen_ && kept;
        drawnClasses_ = classesChosen_ ? *kept : defaultDrawnClasses(classes);
        classesField_->setText(classesText(drawnClasses_));
        mark(classesField_, {});
    }
    drawCharts();

    QStringList header{tr("t")};
    for (int j = 0; j < classes; ++j)
        header << tr("N%1(t)").arg(j);
    header << tr("Total") << tr("Growth rate");
    table_->setCells(header, projectionCells(study.projection, locale_));
}

void ProjectionTab::drawCharts()
{
    renderers_[Total]->render(ownTotalChart(*study_, logScaleBox_->isChecked(), locale_));
    renderers_[GrowthRate]->render(ownGrowthRateChart(*study_, locale_));
    renderers_[Convergence]->render(convergenceChart(*study_, locale_));
    drawDistribution();
}

void ProjectionTab::drawDistribution()
{
    if (study_)
        renderers_[Distribution]->render(ownDistributionChart(*study_, drawnClasses_, locale_));
}

}  // namespace dalvo::ui
