// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/own_population/life_table_tab.h"

#include <QLabel>

#include "presentation/own_population_text.h"
#include "ui/common/control_sheet.h"
#include "ui/common/messages.h"
#include "ui/own_population/cells_table.h"
#include "ui/own_population/sheet_layout.h"

namespace dalvo::ui {

namespace {

ControlSheet makeSheet()
{
    return {
        .context = "dalvo::ui::LifeTableTab",
        .windowName = QStringLiteral("lifeTableTab"),
        .twips = {kStudyTabWidthTwips, kStudyTabHeightTwips},
        .controls =
            {
                {.role = "noteLabel", .objectName = "noteLabel", .twips = {90, 60, 14220, 1020}, .font = {10}},
                {.role = "lifeTable",
                 .objectName = "lifeTable",
                 .kind = ControlKind::Own,
                 .twips = {90, 1140, 14220, 6900},
                 .font = {10},
                 .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::LifeTableTab", "Life table")},
                {.role = "figuresLabel",
                 .objectName = "figuresLabel",
                 .twips = {90, 8100, 14220, 660},
                 .font = {10}},
            },
    };
}

}  // namespace

const ControlSheet& LifeTableTab::sheet()
{
    static const ControlSheet sheet = makeSheet();
    return sheet;
}

LifeTableTab::LifeTableTab(QWidget* parent) : StudyTab(parent), locale_(numberLocaleOfSystem())
{
    const ControlSet controls =
        buildControls(this, sheet(), {{QStringLiteral("lifeTable"), [](QWidget* tab) { return new CellsTable(tab); }}});
    new SheetLayout(this, sheet(), controls);
    resize(sizeHint());
    noteLabel_ = controls.get<QLabel>(QStringLiteral("noteLabel"));
    table_ = controls.get<CellsTable>(QStringLiteral("lifeTable"));
    figuresLabel_ = controls.get<QLabel>(QStringLiteral("figuresLabel"));
    for (QLabel* label : {noteLabel_, figuresLabel_}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
}

QString LifeTableTab::censusNote(const OwnPopulation& population, const PopulationStudy& study) const
{
    if (study.lifeTableReadOffMatrix)
        return tr("The columns are read off the matrix, class x as age x. They assume the census of the matrix, "
                  "so m(x) counts the young that reach the next count, and the young of class x are born at age "
                  "x + 1: Tc here is one interval less than the cohort generation time on the Outlook tab.");
    if (population.census == Census::PreBreeding)
        return tr("The life table as entered. The matrix was made from it for a census just before breeding: "
                  "class j holds the individuals of age j + 1, and F(j) counts the young that live to their "
                  "first count.");
    return tr("The life table as entered. The matrix was made from it for a census just after breeding: "
              "class j holds the individuals of age j, newborns included.");
}

void LifeTableTab::showStudy(const OwnPopulation& population, const PopulationStudy& study)
{
    noteLabel_->setText(censusNote(population, study));
    const QStringList header{tr("x"),    tr("l(x)"), tr("d(x)"), tr("q(x)"),      tr("p(x)"),        tr("L(x)"),
                             tr("T(x)"), tr("e(x)"), tr("m(x)"), tr("l(x) m(x)"), tr("x l(x) m(x)")};
    table_->setCells(header, lifeTableCells(study.lifeTable, study.figures, locale_));
    const LifeTableFigures& figures = study.figures;
    auto number = [this](double value) { return toQString(formatSignificant(value, 6, locale_)); };
    figuresLabel_->setText(tr("Net reproductive rate R0 = Σ l(x) m(x) = %1;   cohort generation time Tc = "
                              "Σ x l(x) m(x) / R0 = %2;   life expectancy at birth e(0) = %3.")
                               .arg(number(figures.netReproductiveRate),
                                    figures.cohortGenerationTime ? number(*figures.cohortGenerationTime)
                                                                 : tr("not defined, as R0 = 0"),
                                    number(figures.lifeExpectancyAtBirth)));
}

}  // namespace dalvo::ui
