// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/own_population/outlook_tab.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <cmath>

#include "ui/common/control_sheet.h"
#include "ui/common/messages.h"
#include "ui/own_population/sheet_layout.h"

namespace dalvo::ui {

namespace {

constexpr int kLeft = 90;
constexpr int kLeftWidth = 7020;
constexpr int kRight = 7200;
constexpr int kRightWidth = 7110;
constexpr int kTimeWidth = 2280;
constexpr int kTimeGap = 90;

ControlEntry sentence(const char* role, int y, int height)
{
    return {.role = role, .objectName = role, .twips = {kLeft, y, kLeftWidth, height}, .font = {10}};
}

ControlEntry generationTime(const char* role, int column)
{
    return {.role = role,
            .objectName = role,
            .twips = {kLeft + column * (kTimeWidth + kTimeGap), 4680, kTimeWidth, 2280},
            .font = {9}};
}

ControlEntry caption(const char* role, const char* text, int y)
{
    return {.role = role, .objectName = role, .caption = text, .twips = {kRight, y, kRightWidth, 300}, .font = {10}};
}

ControlEntry grid(const char* role, const char* accessibleName, int y, int height, QStringList takesTurns = {})
{
    return {.role = role,
            .objectName = role,
            .kind = ControlKind::Own,
            .twips = {kRight, y, kRightWidth, height},
            .font = {10},
            .accessibleName = accessibleName,
            .takesTurnsWith = std::move(takesTurns)};
}

ControlSheet makeSheet()
{
    return {
        .context = "dalvo::ui::OutlookTab",
        .windowName = QStringLiteral("outlookTab"),
        .twips = {kStudyTabWidthTwips, kStudyTabHeightTwips},
        .controls =
            {
                sentence("lambdaLabel", 60, 300),
                sentence("textbookLabel", 360, 540),
                sentence("growthLabel", 900, 540),
                sentence("startLabel", 1440, 540),
                sentence("settlingLabel", 1980, 1080),
                sentence("secondRootLabel", 3060, 780),
                sentence("reproductionLabel", 3840, 780),
                generationTime("cohortTimeLabel", 0),
                generationTime("growthTimeLabel", 1),
                generationTime("mothersTimeLabel", 2),
                {.role = "meaningLabel",
                 .objectName = "meaningLabel",
                 .twips = {kLeft, 7020, kLeftWidth, 1740},
                 .font = {9}},
                caption("byAgeCaption", QT_TRANSLATE_NOOP("dalvo::ui::OutlookTab", "By age"), 60),
                grid("byAgeTable",
                     QT_TRANSLATE_NOOP("dalvo::ui::OutlookTab", "Stable age distribution and reproductive values"),
                     360, 2160, {"byAgeColumns"}),
                caption("sensitivityCaption",
                        QT_TRANSLATE_NOOP("dalvo::ui::OutlookTab", "Sensitivity of λ to each entry of the matrix"),
                        2580),
                grid("sensitivityGrid", QT_TRANSLATE_NOOP("dalvo::ui::OutlookTab", "Sensitivities of lambda"),
                     2880, 2730, {"byAgeColumns"}),
                caption("elasticityCaption",
                        QT_TRANSLATE_NOOP("dalvo::ui::OutlookTab", "Elasticity of λ (the elasticities add up to 1)"),
                        5670),
                grid("elasticityGrid", QT_TRANSLATE_NOOP("dalvo::ui::OutlookTab", "Elasticities of lambda"), 5970,
                     2790, {"byAgeColumns"}),
                grid("byAgeColumns",
                     QT_TRANSLATE_NOOP("dalvo::ui::OutlookTab",
                                       "Stable age distribution, reproductive values, sensitivities and "
                                       "elasticities by age"),
                     360, 8400,
                     {"byAgeTable", "sensitivityCaption", "sensitivityGrid", "elasticityCaption",
                      "elasticityGrid"}),
            },
    };
}

// The by-age columns of a matrix too large to show as grids.
enum ByAgeColumn { StableShare, ReproductiveValue, FecunditySensitivity, SurvivalSensitivity, FecundityElasticity,
                   SurvivalElasticity, ByAgeColumnCount };

}  // namespace

const ControlSheet& OutlookTab::sheet()
{
    static const ControlSheet sheet = makeSheet();
    return sheet;
}

OutlookTab::OutlookTab(QWidget* parent) : StudyTab(parent), texts_(numberLocaleOfSystem())
{
    auto smallGrid = [](QWidget* tab) { return makeNumberGrid(tab, 0, 0); };
    const ControlSet controls = buildControls(this, sheet(),
                                              {{QStringLiteral("byAgeTable"), smallGrid},
                                               {QStringLiteral("sensitivityGrid"), smallGrid},
                                               {QStringLiteral("elasticityGrid"), smallGrid},
                                               {QStringLiteral("byAgeColumns"), [](QWidget* tab) {
                                                    QTableWidget* table = makeNumberGrid(tab, 0, ByAgeColumnCount);
                                                    // A hundred ages scroll rather than squeeze.
                                                    table->verticalHeader()->setSectionResizeMode(
                                                        QHeaderView::Fixed);
                                                    table->horizontalHeader()->setSectionResizeMode(
                                                        QHeaderView::Interactive);
                                                    table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
                                                    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
                                                    return table;
                                                }}});
    new SheetLayout(this, sheet(), controls);
    resize(sizeHint());

    auto labelled = [&controls](const char* role) {
        auto* label = controls.get<QLabel>(QString::fromLatin1(role));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    lambdaLabel_ = labelled("lambdaLabel");
    textbookLabel_ = labelled("textbookLabel");
    growthLabel_ = labelled("growthLabel");
    startLabel_ = labelled("startLabel");
    settlingLabel_ = labelled("settlingLabel");
    secondRootLabel_ = labelled("secondRootLabel");
    reproductionLabel_ = labelled("reproductionLabel");
    generationLabels_[0] = labelled("cohortTimeLabel");
    generationLabels_[1] = labelled("growthTimeLabel");
    generationLabels_[2] = labelled("mothersTimeLabel");
    labelled("meaningLabel")->setText(OutlookTexts::sensitivityMeaning());
    byAgeCaption_ = controls.get<QLabel>(QStringLiteral("byAgeCaption"));
    sensitivityCaption_ = controls.get<QLabel>(QStringLiteral("sensitivityCaption"));
    elasticityCaption_ = controls.get<QLabel>(QStringLiteral("elasticityCaption"));
    byAgeTable_ = controls.get<QTableWidget>(QStringLiteral("byAgeTable"));
    byAgeColumns_ = controls.get<QTableWidget>(QStringLiteral("byAgeColumns"));
    sensitivityGrid_ = controls.get<QTableWidget>(QStringLiteral("sensitivityGrid"));
    elasticityGrid_ = controls.get<QTableWidget>(QStringLiteral("elasticityGrid"));

    byAgeTable_->setColumnCount(2);
    byAgeTable_->setHorizontalHeaderLabels(OutlookTexts::byAgeHeadings());
    byAgeColumns_->setHorizontalHeaderLabels({tr("Stable\ndistribution w"), tr("Reproductive\nvalue v"),
                                              tr("Sensitivity\nto F(x)"), tr("Sensitivity\nto P(x)"),
                                              tr("Elasticity\nof F(x)"), tr("Elasticity\nof P(x)")});
    byAgeColumns_->verticalHeader()->setDefaultSectionSize(byAgeColumns_->fontMetrics().height() + 4);
    byAgeColumns_->hide();
}

void OutlookTab::clearNumbers()
{
    for (QLabel* label : {lambdaLabel_, textbookLabel_, growthLabel_, startLabel_, settlingLabel_, secondRootLabel_,
                          reproductionLabel_})
        label->clear();
    for (QLabel* label : generationLabels_)
        label->clear();
    const ControlSheet& s = sheet();
    byAgeCaption_->setText(s.text(s[QStringLiteral("byAgeCaption")].caption));
    sensitivityCaption_->setText(s.text(s[QStringLiteral("sensitivityCaption")].caption));
    elasticityCaption_->setText(s.text(s[QStringLiteral("elasticityCaption")].caption));
    for (QTableWidget* grid : {byAgeTable_, byAgeColumns_, sensitivityGrid_, elasticityGrid_})
        grid->clearContents();
}

void OutlookTab::showStudy(const OwnPopulation& population, const PopulationStudy& study)
{
    clearNumbers();
    const int classes = population.matrix.classes();
    // Grids for a matrix small enough to read as one; columns by age beyond.
    const bool inGrids = classes <= kMostClassesInGrids;
    byAgeColumns_->setVisible(!inGrids);
    for (QWidget* part : std::initializer_list<QWidget*>{byAgeTable_, sensitivityCaption_, sensitivityGrid_,
                                                         elasticityCaption_, elasticityGrid_})
        part->setVisible(inGrids);
    const QStringList ages = OutlookTexts::ageHeadings(classes);
    if (inGrids) {
        byAgeTable_->setRowCount(classes);
        byAgeTable_->setVerticalHeaderLabels(ages);
        for (QTableWidget* grid : {sensitivityGrid_, elasticityGrid_}) {
            grid->setRowCount(classes);
            grid->setColumnCount(classes);
            grid->setHorizontalHeaderLabels(ages);
            grid->setVerticalHeaderLabels(ages);
        }
    } else {
        byAgeColumns_->setRowCount(classes);
        byAgeColumns_->setVerticalHeaderLabels(ages);
    }

    const OutlookSentences said = study.outlook
                                      ? texts_.sentences(*study.outlook, &population.matrix, population.initial)
                                      : texts_.failure(shownError(study.outlookError));
    lambdaLabel_->setText(said.lambda);
    growthLabel_->setText(said.growth);
    startLabel_->setText(said.start);
    settlingLabel_->setText(said.settling);
    secondRootLabel_->setText(said.secondRoot);
    reproductionLabel_->setText(said.reproduction);
    if (!study.outlook)
        return;

    const LongTermOutlook& outlook = *study.outlook;
    showTextbookLambda(outlook, study);
    showGenerationTimes(study.generationTimes);
    if (outlook.diesOut()) {
        byAgeCaption_->setText(OutlookTexts::byAgeEmpty());
        sensitivityCaption_->setText(OutlookTexts::sensitivityEmpty());
        elasticityCaption_->setText(OutlookTexts::elasticityEmpty());
        return;
    }
    if (inGrids)
        showGrids(outlook);
    else
        showByAgeColumns(outlook);
}

void OutlookTab::showTextbookLambda(const LongTermOutlook& outlook, const PopulationStudy& study)
{
    if (!study.textbookLambda) {
        textbookLabel_->setText(tr("The textbook shortcut λ ≈ exp(ln R0 / Tc) needs R0 and Tc above 0."));
        return;
    }
    const double shortcut = *study.textbookLambda;
    const QString value = texts_.number(shortcut, 6);
    if (outlook.lambda <= 0) {
        textbookLabel_->setText(tr("The textbook shortcut λ ≈ exp(ln R0 / Tc) gives %1.").arg(value));
        return;
    }
    const double percent = std::abs(shortcut - outlook.lambda) / outlook.lambda * 100;
    const QString off = texts_.fixed(percent, decimalsFor(percent, 2, 1));
    if (texts_.number(shortcut, 6) == texts_.number(outlook.lambda, 6))
        textbookLabel_->setText(tr("The textbook shortcut λ ≈ exp(ln R0 / Tc) gives %1, the same as λ to six "
                                   "digits.")
                                    .arg(value));
    else if (shortcut < outlook.lambda)
        textbookLabel_->setText(
            tr("The textbook shortcut λ ≈ exp(ln R0 / Tc) gives %1, which is %2 % below λ.").arg(value, off));
    else
        textbookLabel_->setText(
            tr("The textbook shortcut λ ≈ exp(ln R0 / Tc) gives %1, which is %2 % above λ.").arg(value, off));
}

void OutlookTab::showGenerationTimes(const GenerationTimes& times)
{
    auto shown = [this](const std::optional<double>& time) {
        return time ? texts_.fixed(*time, 2) : tr("not defined");
    };
    generationLabels_[0]->setText(tr("Cohort generation time\nTc = Σ x l(x) m(x) / R0 = %1\nThe mean age at which "
                                     "the newborns of one cohort have their young.")
                                      .arg(shown(times.cohort)));
    generationLabels_[1]->setText(tr("Generation time from growth\nln R0 / ln λ = %1\nThe time the stable "
                                     "population takes to change by the factor R0.")
                                      .arg(shown(times.fromGrowth)));
    generationLabels_[2]->setText(tr("Mean age of mothers = %1\nThe mean age of the mothers of one interval's "
                                     "young in the stable population.")
                                      .arg(shown(times.meanAgeOfMothers)));
}

void OutlookTab::showGrids(const LongTermOutlook& o)
{
    for (int age = 0; age < o.classes; ++age) {
        setNumberCell(byAgeTable_, age, 0, texts_.number(o.stableDistribution[age], 6));
        setNumberCell(byAgeTable_, age, 1, texts_.number(o.reproductiveValues[age], 6));
    }
    fillMatrixGrid(sensitivityGrid_, o.sensitivityFecundity, o.sensitivitySurvival, texts_);
    fillMatrixGrid(elasticityGrid_, o.elasticityFecundity, o.elasticitySurvival, texts_);
}

void OutlookTab::showByAgeColumns(const LongTermOutlook& o)
{
    const std::vector<double>* columns[ByAgeColumnCount] = {&o.stableDistribution,   &o.reproductiveValues,
                                                            &o.sensitivityFecundity, &o.sensitivitySurvival,
                                                            &o.elasticityFecundity,  &o.elasticitySurvival};
    for (int column = 0; column < ByAgeColumnCount; ++column) {
        const int digits = column <= ReproductiveValue ? 6 : 5;
        const std::vector<double>& values = *columns[column];
        // The last class has no survival rate, and so no cell in those columns.
        for (int age = 0; age < o.classes && age < static_cast<int>(values.size()); ++age)
            setNumberCell(byAgeColumns_, age, column, texts_.number(values[age], digits));
    }
    // Measured once the cells are in, not again as each cell goes in.
    byAgeColumns_->resizeColumnsToContents();
}

}  // namespace dalvo::ui
