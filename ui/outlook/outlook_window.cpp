// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/outlook/outlook_window.h"

#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <complex>
#include <iterator>
#include <utility>

#include "files/analysis_file.h"
#include "files/safe_write.h"
#include "ui/common/control_sheet.h"
#include "ui/common/controls.h"
#include "ui/common/messages.h"
#include "ui/common/page_printer.h"
#include "ui/common/prompts.h"
#include "ui/outlook/outlook_texts.h"

namespace dalvo::ui {

namespace {

constexpr int kClasses = 4;

ControlEntry sentence(const char* role, int y, int height)
{
    return {.role = role, .objectName = role, .twips = {240, y, 9720, height}, .font = {11}};
}

ControlEntry caption(const char* role, const char* text, QRect twips)
{
    return {.role = role, .objectName = role, .caption = text, .twips = twips, .font = {11}};
}

ControlEntry grid(const char* role, const char* accessibleName, QRect twips)
{
    return {.role = role,
            .objectName = role,
            .kind = ControlKind::Own,
            .twips = twips,
            .font = {10},
            .accessibleName = accessibleName};
}

ControlEntry button(const char* role, const char* name, const char* text, const char* toolTip, int x,
                   QKeySequence shortcut = {})
{
    return {.role = role,
            .objectName = name,
            .kind = ControlKind::Button,
            .caption = text,
            .toolTip = toolTip,
            .twips = {x, 9900, 3012, 495},
            .font = {12, true},
            .shortcut = shortcut};
}

ControlSheet makeSheet()
{
    return {
        .context = "dalvo::ui::OutlookWindow",
        .windowName = QStringLiteral("outlookWindow"),
        .twips = {10200, 10560},
        .controls =
            {
                sentence("lambdaLabel", 180, 360),
                sentence("growthLabel", 600, 600),
                sentence("startLabel", 1260, 360),
                sentence("settlingLabel", 1680, 840),
                sentence("secondRootLabel", 2580, 600),
                sentence("reproductionLabel", 3240, 600),
                caption("byAgeCaption", QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow", "By age"),
                        {240, 3960, 3960, 300}),
                grid("byAgeTable",
                     QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow",
                                       "Stable age distribution and reproductive values"),
                     {240, 4260, 3960, 2160}),
                // Its text is the one the "Own population" window shows too (OutlookTexts).
                {.role = "meaningLabel",
                 .objectName = "meaningLabel",
                 .twips = {240, 6660, 3960, 2400},
                 .font = {10}},
                caption("sensitivityCaption",
                        QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow",
                                          "Sensitivity of λ to each entry of the matrix"),
                        {4440, 3960, 5520, 300}),
                grid("sensitivityGrid",
                     QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow", "Sensitivities of lambda"),
                     {4440, 4260, 5520, 2160}),
                caption("elasticityCaption",
                        QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow",
                                          "Elasticity of λ (the elasticities add up to 1)"),
                        {4440, 6600, 5520, 300}),
                grid("elasticityGrid",
                     QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow", "Elasticities of lambda"),
                     {4440, 6900, 5520, 2160}),
                sentence("sourceLabel", 9180, 600),
                button("printButton", "outlookPrintButton",
                       QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow", "Print this page"), nullptr, 240),
                button("saveButton", "outlookSaveButton",
                       QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow", "Save"),
                       QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow", "Save the analysis (Ctrl+S)"), 3600,
                       QKeySequence::Save),
                button("goBackButton", "outlookGoBackButton",
                       QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow", "Go back"),
                       QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow", "Back to the main window (Esc)"), 6948,
                       QKeySequence(Qt::Key_Escape)),
            },
    };
}

}  // namespace

const ControlSheet& OutlookWindow::sheet()
{
    static const ControlSheet sheet = makeSheet();
    return sheet;
}

OutlookWindow::OutlookWindow(Prompts& prompts, NumberLocale locale, QWidget* parent)
    : SecondaryWindow(parent), prompts_(prompts), texts_(std::move(locale))
{
    setWindowTitle(tr("Long-term outlook"));
    makeFixedSizeWindow(this, sheet().twips.width(), sheet().twips.height());

    auto matrixGrid = [](QWidget* window) { return makeNumberGrid(window, kClasses, kClasses); };
    const ControlSet controls = buildControls(
        this, sheet(),
        {{QStringLiteral("byAgeTable"), [](QWidget* window) { return makeNumberGrid(window, kClasses, 2); }},
         {QStringLiteral("sensitivityGrid"), matrixGrid},
         {QStringLiteral("elasticityGrid"), matrixGrid}});

    lambdaLabel_ = controls.get<QLabel>(QStringLiteral("lambdaLabel"));
    growthLabel_ = controls.get<QLabel>(QStringLiteral("growthLabel"));
    startLabel_ = controls.get<QLabel>(QStringLiteral("startLabel"));
    settlingLabel_ = controls.get<QLabel>(QStringLiteral("settlingLabel"));
    secondRootLabel_ = controls.get<QLabel>(QStringLiteral("secondRootLabel"));
    reproductionLabel_ = controls.get<QLabel>(QStringLiteral("reproductionLabel"));
    sourceLabel_ = controls.get<QLabel>(QStringLiteral("sourceLabel"));
    meaningLabel_ = controls.get<QLabel>(QStringLiteral("meaningLabel"));
    for (QLabel* label : {lambdaLabel_, growthLabel_, startLabel_, settlingLabel_, secondRootLabel_, reproductionLabel_,
                          sourceLabel_, meaningLabel_}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    meaningLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    meaningLabel_->setText(OutlookTexts::sensitivityMeaning());

    byAgeCaption_ = controls.get<QLabel>(QStringLiteral("byAgeCaption"));
    sensitivityCaption_ = controls.get<QLabel>(QStringLiteral("sensitivityCaption"));
    elasticityCaption_ = controls.get<QLabel>(QStringLiteral("elasticityCaption"));

    byAgeTable_ = controls.get<QTableWidget>(QStringLiteral("byAgeTable"));
    sensitivityGrid_ = controls.get<QTableWidget>(QStringLiteral("sensitivityGrid"));
    elasticityGrid_ = controls.get<QTableWidget>(QStringLiteral("elasticityGrid"));
    byAgeTable_->setHorizontalHeaderLabels(OutlookTexts::byAgeHeadings());
    const QStringList ages = OutlookTexts::ageHeadings(kClasses);
    byAgeTable_->setVerticalHeaderLabels(ages);
    for (QTableWidget* grid : {sensitivityGrid_, elasticityGrid_}) {
        grid->setHorizontalHeaderLabels(ages);
        grid->setVerticalHeaderLabels(ages);
    }

    printButton_ = controls.get<QPushButton>(QStringLiteral("printButton"));
    saveButton_ = controls.get<QPushButton>(QStringLiteral("saveButton"));
    goBackButton_ = controls.get<QPushButton>(QStringLiteral("goBackButton"));

    printer_ = new PagePrinter(prompts_, this);
    connect(printButton_, &QPushButton::clicked, this, [this] { printer_->printWindow(this); });
    connect(saveButton_, &QPushButton::clicked, this, &OutlookWindow::saveAnalysis);
    connect(goBackButton_, &QPushButton::clicked, this, &OutlookWindow::backToMainRequested);

    for (QLabel* caption : {byAgeCaption_, sensitivityCaption_, elasticityCaption_})
        captions_.emplace_back(caption, caption->text());

    centreOnScreen(this);
    goBackButton_->setFocus();
}

void OutlookWindow::showMatrix(const Result<LeslieMatrix>& matrix, std::span<const double> initial)
{
    keepSource(matrix ? std::optional<LeslieMatrix>(*matrix) : std::nullopt, initial);
    showOutlook(matrix ? analyseLongTerm(*matrix) : Result<LongTermOutlook>(matrix.error()));
}

void OutlookWindow::keepSource(std::optional<LeslieMatrix> matrix, std::span<const double> initial)
{
    matrix_ = std::move(matrix);
    initial_.assign(initial.begin(), initial.end());
}

void OutlookWindow::follow(const StepwiseRun& run)
{
    // A new step changes neither the matrix nor N(0), so it leaves the page as it is.
    auto showRun = [this](const StepwiseRun& changed) {
        const std::vector<double>& initial = changed.history().step(0).counts;
        if (changed.matrixGeneration() == shownGeneration_ && initial == initial_)
            return;
        shownGeneration_ = changed.matrixGeneration();
        keepSource(changed.matrix(), initial);
        showOutlook(changed.outlook());
    };
    showRun(run);
    watch_ = run.subscribe(showRun);
}

void OutlookWindow::showOutlook(const Result<LongTermOutlook>& outlook)
{
    clearNumbers();
    outlook_.reset();
    showSource();
    if (!outlook) {
        showSentenceLabels(texts_.failure(shownError(outlook.error())));
        saveButton_->setEnabled(false);
        return;
    }
    outlook_ = *outlook;
    saveButton_->setEnabled(true);
    showSentences(*outlook_);
    if (outlook_->diesOut()) {
        byAgeCaption_->setText(OutlookTexts::byAgeEmpty());
        sensitivityCaption_->setText(OutlookTexts::sensitivityEmpty());
        elasticityCaption_->setText(OutlookTexts::elasticityEmpty());
        return;
    }
    fillByAge(*outlook_);
    fillMatrixGrid(sensitivityGrid_, outlook_->sensitivityFecundity, outlook_->sensitivitySurvival, texts_);
    fillMatrixGrid(elasticityGrid_, outlook_->elasticityFecundity, outlook_->elasticitySurvival, texts_);
}

void OutlookWindow::showSentences(const LongTermOutlook& o)
{
    showSentenceLabels(texts_.sentences(o, matrix_ ? &*matrix_ : nullptr, initial_));
}

void OutlookWindow::showSentenceLabels(const OutlookSentences& said)
{
    lambdaLabel_->setText(said.lambda);
    growthLabel_->setText(said.growth);
    startLabel_->setText(said.start);
    settlingLabel_->setText(said.settling);
    secondRootLabel_->setText(said.secondRoot);
    reproductionLabel_->setText(said.reproduction);
}

void OutlookWindow::showSource()
{
    if (!matrix_)
        return;
    const QString f = texts_.list(matrix_->fecundity);
    const QString p = texts_.list(matrix_->survival);
    if (initial_.empty())
        sourceLabel_->setText(tr("Worked out from the matrix with F = (%1) and P = (%2).").arg(f, p));
    else
        sourceLabel_->setText(tr("Worked out from the matrix with F = (%1) and P = (%2), for the start "
                                 "N(0) = (%3).")
                                  .arg(f, p, texts_.list(initial_)));
}

void OutlookWindow::fillByAge(const LongTermOutlook& o)
{
    for (int age = 0; age < kClasses && age < o.classes; ++age) {
        setNumberCell(byAgeTable_, age, 0, texts_.number(o.stableDistribution[age], 6));
        setNumberCell(byAgeTable_, age, 1, texts_.number(o.reproductiveValues[age], 6));
    }
}

void OutlookWindow::clearNumbers()
{
    for (QLabel* label : {lambdaLabel_, growthLabel_, startLabel_, settlingLabel_, secondRootLabel_,
                          reproductionLabel_, sourceLabel_})
        label->clear();
    for (const auto& [caption, text] : captions_)
        caption->setText(text);
    for (QTableWidget* grid : {byAgeTable_, sensitivityGrid_, elasticityGrid_})
        grid->clearContents();
}

void OutlookWindow::saveAnalysis()
{
    if (!outlook_)
        return;
    const QString path = prompts_.chooseFileToSave(this, tr("Analysis.txt"));
    if (path.isEmpty())
        return;
    const Result<void> saved = replaceFile(toFileName(path),
                                           analysisFileText(*outlook_, {{}, *matrix_, initial_}));
    if (!saved)
        prompts_.report(this, tr("The analysis was not saved. %1 Choose another folder or file name and save "
                                 "again.")
                                  .arg(shownError(saved.error())));
}

}  // namespace dalvo::ui
