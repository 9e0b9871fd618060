// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/own_population/own_population_window.h"

#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QTabWidget>
#include <utility>

#include "files/analysis_file.h"
#include "files/chance_file.h"
#include "files/population_file.h"
#include "files/safe_write.h"
#include "files/text_file.h"
#include "presentation/own_population_text.h"
#include "ui/common/control_sheet.h"
#include "ui/common/controls.h"
#include "ui/common/messages.h"
#include "ui/common/page_printer.h"
#include "ui/common/prompts.h"
#include "ui/common/twips.h"
#include "ui/own_population/chance_tab.h"
#include "ui/own_population/life_table_tab.h"
#include "ui/own_population/outlook_tab.h"
#include "ui/own_population/population_entry.h"
#include "ui/own_population/projection_tab.h"

namespace dalvo::ui {

namespace {

// The classes of the main window's matrix.
constexpr int kMainWindowClasses = 4;
constexpr int kButtonY = 9930;

ControlEntry button(const char* role, const char* caption, const char* toolTip, QRect twips,
                   QKeySequence shortcut = {})
{
    return {.role = role,
            .objectName = role,
            .kind = ControlKind::Button,
            .caption = caption,
            .toolTip = toolTip,
            .twips = twips,
            .font = {12, true},
            .shortcut = shortcut};
}

ControlSheet makeSheet()
{
    return {
        .context = "dalvo::ui::OwnPopulationWindow",
        .windowName = QStringLiteral("ownPopulationWindow"),
        .twips = {18900, 10500},
        .controls =
            {
                {.role = "entryPanel",
                 .objectName = "ownPopulationEntry",
                 .kind = ControlKind::Own,
                 .twips = {60, 60, 4200, 9420}},
                {.role = "studyTabs",
                 .objectName = "studyTabs",
                 .kind = ControlKind::Own,
                 .twips = {4320, 60, 14520, 9420},
                 .font = {10}},
                {.role = "whatIfLabel", .objectName = "whatIfLabel", .twips = {60, 9540, 18780, 330}, .font = {10}},
                button("openButton", QT_TRANSLATE_NOOP("dalvo::ui::OwnPopulationWindow", "Open..."),
                       QT_TRANSLATE_NOOP("dalvo::ui::OwnPopulationWindow",
                                         "Open a data file or a life table (Ctrl+O)"),
                       {60, kButtonY, 1560, 495}, QKeySequence::Open),
                button("saveButton", QT_TRANSLATE_NOOP("dalvo::ui::OwnPopulationWindow", "Save..."),
                       QT_TRANSLATE_NOOP("dalvo::ui::OwnPopulationWindow",
                                         "Save a data file, a life table (name.csv), the analysis "
                                         "(name-Analysis.txt) or the runs with chance (name-Chance.txt) (Ctrl+S)"),
                       {1740, kButtonY, 1560, 495}, QKeySequence::Save),
                button("useButton", QT_TRANSLATE_NOOP("dalvo::ui::OwnPopulationWindow", "Use in the main window"),
                       nullptr, {3420, kButtonY, 3480, 495}),
                button("printButton", QT_TRANSLATE_NOOP("dalvo::ui::OwnPopulationWindow", "Print this page"),
                       nullptr, {7020, kButtonY, 2400, 495}),
                button("goBackButton", QT_TRANSLATE_NOOP("dalvo::ui::OwnPopulationWindow", "Go back"),
                       QT_TRANSLATE_NOOP("dalvo::ui::OwnPopulationWindow", "Back to the main window (Esc)"),
                       {16920, kButtonY, 1920, 495}, QKeySequence(Qt::Key_Escape)),
            },
    };
}

// How many entries of the matrix differ; every entry when the classes do.
int changedEntries(const LeslieMatrix& before, const LeslieMatrix& after)
{
    if (before.classes() != after.classes())
        return after.classes() * 2;
    int changed = 0;
    for (std::size_t j = 0; j < before.fecundity.size(); ++j)
        changed += before.fecundity[j] != after.fecundity[j];
    for (std::size_t j = 0; j < before.survival.size(); ++j)
        changed += before.survival[j] != after.survival[j];
    return changed;
}

}  // namespace

const ControlSheet& OwnPopulationWindow::sheet()
{
    static const ControlSheet sheet = makeSheet();
    return sheet;
}

OwnPopulationWindow::OwnPopulationWindow(Prompts& prompts, NumberLocale locale, QWidget* parent)
    : SecondaryWindow(parent), prompts_(prompts), locale_(std::move(locale))
{
    setWindowTitle(tr("Own population"));
    resize(twipSize(sheet().twips.width(), sheet().twips.height()));
    // Drawn as wide as a 1280-pixel screen allows; it may grow, but smaller
    // the outlook's sentences and the charts' axes would be cut.
    setMinimumSize(twipSize(sheet().twips.width(), sheet().twips.height()));

    const ControlSet controls = buildControls(
        this, sheet(),
        {{QStringLiteral("entryPanel"), [this](QWidget* window) { return new PopulationEntry(locale_, window); }},
         {QStringLiteral("studyTabs"), [](QWidget* window) { return new QTabWidget(window); }}});

    entry_ = controls.get<PopulationEntry>(QStringLiteral("entryPanel"));
    connect(entry_, &PopulationEntry::populationChanged, this, &OwnPopulationWindow::entryChanged);

    tabs_ = controls.get<QTabWidget>(QStringLiteral("studyTabs"));
    projectionTab_ = new ProjectionTab(tabs_);
    outlookTab_ = new OutlookTab(tabs_);
    lifeTableTab_ = new LifeTableTab(tabs_);
    chanceTab_ = new ChanceTab(tabs_);
    tabs_->addTab(projectionTab_, tr("Projection"));
    tabs_->addTab(outlookTab_, tr("Outlook"));
    tabs_->addTab(lifeTableTab_, tr("Life table"));
    tabs_->addTab(chanceTab_, tr("Chance"));
    studyTabs_ = {projectionTab_, outlookTab_, lifeTableTab_, chanceTab_};
    for (int index = 0; index < tabs_->count(); ++index) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + index)), this);
        connect(shortcut, &QShortcut::activated, tabs_, [this, index] { tabs_->setCurrentIndex(index); });
        tabs_->setTabToolTip(index, tr("Ctrl+%1").arg(index + 1));
    }
    connect(projectionTab_, &ProjectionTab::stepsChanged, this, [this](int steps) {
        population_.steps = steps;
        restudy();
    });

    whatIfLabel_ = controls.get<QLabel>(QStringLiteral("whatIfLabel"));
    whatIfLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    setTextColour(whatIfLabel_, colours::navy);

    openButton_ = controls.get<QPushButton>(QStringLiteral("openButton"));
    saveButton_ = controls.get<QPushButton>(QStringLiteral("saveButton"));
    useButton_ = controls.get<QPushButton>(QStringLiteral("useButton"));
    printButton_ = controls.get<QPushButton>(QStringLiteral("printButton"));
    goBackButton_ = controls.get<QPushButton>(QStringLiteral("goBackButton"));

    printer_ = new PagePrinter(prompts_, this);
    connect(openButton_, &QPushButton::clicked, this, &OwnPopulationWindow::open);
    connect(saveButton_, &QPushButton::clicked, this, &OwnPopulationWindow::save);
    connect(useButton_, &QPushButton::clicked, this, [this] {
        if (population_.matrix.classes() == kMainWindowClasses)
            emit useInMainWindowRequested(population_.matrix, population_.initial);
    });
    connect(printButton_, &QPushButton::clicked, this, [this] { printer_->printWindow(this); });
    connect(goBackButton_, &QPushButton::clicked, this, &OwnPopulationWindow::backToMainRequested);

    showPopulation(entry_->population());
    centreOnScreen(this);
}

void OwnPopulationWindow::resizeEvent(QResizeEvent* event)
{
    SecondaryWindow::resizeEvent(event);
    if (!goBackButton_)
        return;
    const QSize grown = size() - twipSize(sheet().twips.width(), sheet().twips.height());
    auto place = [&](QWidget* control, const char* role, Follow follow) {
        placeFollowing(control, sheet()[QString::fromLatin1(role)].twips, grown, follow);
    };
    place(entry_, "entryPanel", {.taller = true});
    place(tabs_, "studyTabs", {.wider = true, .taller = true});
    place(whatIfLabel_, "whatIfLabel", {.down = true, .wider = true});
    place(openButton_, "openButton", {.down = true});
    place(saveButton_, "saveButton", {.down = true});
    place(useButton_, "useButton", {.down = true});
    place(printButton_, "printButton", {.down = true});
    place(goBackButton_, "goBackButton", {.right = true, .down = true});
}

void OwnPopulationWindow::showPopulation(const OwnPopulation& population)
{
    entry_->showPopulation(population);
    population_ = entry_->population();
    population_.steps = population.steps;
    whatIfLabel_->clear();
    restudy();
}

void OwnPopulationWindow::restudy()
{
    study_ = studyPopulation(population_);
    for (StudyTab* tab : studyTabs_)
        tab->showStudy(population_, study_);
    showUseButton();
}

void OwnPopulationWindow::entryChanged()
{
    const std::optional<LongTermOutlook> before = study_.outlook;
    const LeslieMatrix beforeMatrix = population_.matrix;
    const Census beforeCensus = population_.census;
    const int steps = population_.steps;
    population_ = entry_->population();
    population_.steps = steps;
    restudy();
    // Another census is the same population counted at another moment, not
    // a change of its rates: λ stays, and the sensitivities predict nothing.
    if (population_.lifeTable && population_.census != beforeCensus && study_.outlook) {
        whatIfLabel_->setText(tr("Both censuses give λ = %1; the stable distribution and the reproductive values "
                                 "differ, because they describe the population at another moment of the year.")
                                  .arg(toQString(formatFixed(study_.outlook->lambda, 4, locale_))));
        return;
    }
    showWhatIf(before, beforeMatrix);
}

void OwnPopulationWindow::showWhatIf(const std::optional<LongTermOutlook>& before, const LeslieMatrix& beforeMatrix)
{
    if (beforeMatrix == population_.matrix) {
        whatIfLabel_->setText(study_.outlook ? tr("λ stays %1.")
                                                   .arg(toQString(formatFixed(study_.outlook->lambda, 4, locale_)))
                                             : QString());
        return;
    }
    const std::optional<WhatIfLine> line = whatIfLine(before, beforeMatrix, study_.outlook, population_.matrix, locale_);
    if (!line) {
        whatIfLabel_->setText(study_.outlook ? QString() : tr("λ cannot be worked out for this matrix."));
        return;
    }
    const QString from = toQString(line->before);
    const QString to = toQString(line->after);
    const QString change = toQString(line->change);
    if (!line->predicted)
        whatIfLabel_->setText(tr("λ went from %1 to %2 (%3).").arg(from, to, change));
    else if (changedEntries(beforeMatrix, population_.matrix) == 1)
        whatIfLabel_->setText(tr("λ went from %1 to %2 (%3); its sensitivity to this entry predicted %4.")
                                  .arg(from, to, change, toQString(*line->predicted)));
    else
        whatIfLabel_->setText(tr("λ went from %1 to %2 (%3); the sensitivities to the changed entries predicted %4.")
                                  .arg(from, to, change, toQString(*line->predicted)));
}

void OwnPopulationWindow::showUseButton()
{
    const bool fits = population_.matrix.classes() == kMainWindowClasses;
    useButton_->setEnabled(fits);
    useButton_->setToolTip(fits ? tr("Open the default-values editor with this matrix and N(0); OK starts the run "
                                     "in the main window.")
                                : tr("The main window holds a matrix of exactly 4 classes; this one has %1.")
                                      .arg(population_.matrix.classes()));
}

std::optional<OwnPopulation> OwnPopulationWindow::openPopulationFile(Prompts& prompts, QWidget* asker)
{
    const QString path = prompts.chooseFileToOpen(asker, QString());
    if (path.isEmpty())
        return std::nullopt;
    const Result<TextFile> file = readTextFile(toFileName(path));
    if (!file) {
        prompts.report(asker, tr("The file could not be read. %1 Choose another file.")
                                  .arg(shownError(file.error())));
        return std::nullopt;
    }
    const Result<OwnPopulation> population = readPopulationText(file->bytes);
    if (!population || file->cutShort) {
        const QString why = population ? tr("The file is too large to be a population.")
                                       : shownError(population.error());
        prompts.report(asker, tr("This file holds no population the program can read. %1 Open a data file "
                                 "(title, matrix, N(0), steps) or a life table with the columns x, lx and mx.")
                                  .arg(why));
        return std::nullopt;
    }
    return *population;
}

void OwnPopulationWindow::open()
{
    if (const std::optional<OwnPopulation> opened = openPopulationFile(prompts_, this))
        showPopulation(*opened);
}

void OwnPopulationWindow::save()
{
    const QString path = prompts_.chooseFileToSave(this, tr("Population.txt"));
    if (path.isEmpty())
        return;
    const std::string name = toFileName(path);
    std::string text;
    switch (populationFileKind(name)) {
        case PopulationFileKind::DataFile:
            text = populationDataFileText(population_);
            break;
        case PopulationFileKind::LifeTableCsv:
            text = lifeTableCsvText(study_.lifeTable);
            break;
        case PopulationFileKind::Analysis:
            if (!study_.outlook) {
                prompts_.report(this, tr("The analysis was not saved: %1 Change the matrix, or save a data file "
                                         "instead.")
                                          .arg(shownError(study_.outlookError)));
                return;
            }
            text = analysisFileText(*study_.outlook, {population_.title, population_.matrix, population_.initial});
            break;
        case PopulationFileKind::Chance:
            if (!chanceTab_->result()) {
                prompts_.report(this, tr("There are no runs with chance to save: the Chance tab (Ctrl+4) has none "
                                         "of this population. Press Run there, then save again."));
                return;
            }
            text = chanceFileText(*chanceTab_->result());
            break;
    }
    const Result<void> saved = replaceFile(name, text);
    if (!saved)
        prompts_.report(this, tr("The file was not saved. %1 Choose another folder or file name and save again.")
                                  .arg(shownError(saved.error())));
}

}  // namespace dalvo::ui
