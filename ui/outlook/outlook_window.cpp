#include "ui/outlook/outlook_window.h"

#include <QFile>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <cmath>
#include <utility>

#include "files/analysis_file.h"
#include "files/safe_write.h"
#include "ui/common/control_sheet.h"
#include "ui/common/controls.h"
#include "ui/common/messages.h"
#include "ui/common/page_printer.h"
#include "ui/common/prompts.h"

namespace dalvo::ui {

namespace {

constexpr int kClasses = 4;

QTableWidget* makeGrid(QWidget* parent, int rows, int columns)
{
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}

void setCell(QTableWidget* grid, int row, int column, const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->setItem(row, column, item);
}

ControlSpec sentence(const char* role, int y, int height)
{
    return {.role = role, .objectName = role, .twips = {240, y, 9720, height}, .font = {11}};
}

ControlSpec caption(const char* role, const char* text, QRect twips)
{
    return {.role = role, .objectName = role, .caption = text, .twips = twips, .font = {11}};
}

ControlSpec grid(const char* role, const char* accessibleName, QRect twips)
{
    return {.role = role,
            .objectName = role,
            .kind = ControlKind::Own,
            .twips = twips,
            .font = {10},
            .accessibleName = accessibleName};
}

ControlSpec button(const char* role, const char* name, const char* text, const char* toolTip, int x,
                   QKeySequence shortcut = {})
{
    return {.role = role,
            .objectName = name,
            .kind = ControlKind::Button,
            .caption = text,
            .toolTip = toolTip,
            .twips = {x, 7860, 3012, 495},
            .font = {12, true},
            .shortcut = shortcut};
}

ControlSheet makeSheet()
{
    return {
        .context = "dalvo::ui::OutlookWindow",
        .windowName = QStringLiteral("outlookWindow"),
        .twips = {10200, 8520},
        .controls =
            {
                sentence("lambdaLabel", 180, 360),
                sentence("growthLabel", 600, 600),
                sentence("settlingLabel", 1260, 840),
                sentence("reproductionLabel", 2160, 360),
                caption("byAgeCaption", QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow", "By age"),
                        {240, 2640, 3960, 300}),
                grid("byAgeTable",
                     QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow",
                                       "Stable age distribution and reproductive values"),
                     {240, 2940, 3960, 2160}),
                {.role = "meaningLabel",
                 .objectName = "meaningLabel",
                 .caption = QT_TRANSLATE_NOOP(
                     "dalvo::ui::OutlookWindow",
                     "The sensitivity of λ to an entry of the matrix says how much λ changes "
                     "when that entry changes by a small amount; the elasticity says the same "
                     "in proportions: by what share λ changes when the entry changes by a "
                     "small share. Empty cells are not part of a Leslie matrix."),
                 .twips = {240, 5340, 3960, 2400},
                 .font = {10}},
                caption("sensitivityCaption",
                        QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow",
                                          "Sensitivity of λ to each entry of the matrix"),
                        {4440, 2640, 5520, 300}),
                grid("sensitivityGrid",
                     QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow", "Sensitivities of lambda"),
                     {4440, 2940, 5520, 2160}),
                caption("elasticityCaption",
                        QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow",
                                          "Elasticity of λ (the elasticities add up to 1)"),
                        {4440, 5280, 5520, 300}),
                grid("elasticityGrid",
                     QT_TRANSLATE_NOOP("dalvo::ui::OutlookWindow", "Elasticities of lambda"),
                     {4440, 5580, 5520, 2160}),
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
    : SecondaryWindow(parent), prompts_(prompts), locale_(std::move(locale))
{
    setWindowTitle(tr("Long-term outlook"));
    makeFixedSizeWindow(this, sheet().twips.width(), sheet().twips.height());

    auto matrixGrid = [](QWidget* window) { return makeGrid(window, kClasses, kClasses); };
    const ControlSet controls = buildControls(
        this, sheet(),
        {{QStringLiteral("byAgeTable"), [](QWidget* window) { return makeGrid(window, kClasses, 2); }},
         {QStringLiteral("sensitivityGrid"), matrixGrid},
         {QStringLiteral("elasticityGrid"), matrixGrid}});

    lambdaLabel_ = controls.get<QLabel>(QStringLiteral("lambdaLabel"));
    growthLabel_ = controls.get<QLabel>(QStringLiteral("growthLabel"));
    settlingLabel_ = controls.get<QLabel>(QStringLiteral("settlingLabel"));
    reproductionLabel_ = controls.get<QLabel>(QStringLiteral("reproductionLabel"));
    meaningLabel_ = controls.get<QLabel>(QStringLiteral("meaningLabel"));
    for (QLabel* label : {lambdaLabel_, growthLabel_, settlingLabel_, reproductionLabel_, meaningLabel_}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    meaningLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    byAgeCaption_ = controls.get<QLabel>(QStringLiteral("byAgeCaption"));
    sensitivityCaption_ = controls.get<QLabel>(QStringLiteral("sensitivityCaption"));
    elasticityCaption_ = controls.get<QLabel>(QStringLiteral("elasticityCaption"));

    byAgeTable_ = controls.get<QTableWidget>(QStringLiteral("byAgeTable"));
    sensitivityGrid_ = controls.get<QTableWidget>(QStringLiteral("sensitivityGrid"));
    elasticityGrid_ = controls.get<QTableWidget>(QStringLiteral("elasticityGrid"));
    byAgeTable_->setHorizontalHeaderLabels({tr("Stable\ndistribution"), tr("Reproductive\nvalue")});
    QStringList ages;
    for (int age = 0; age < kClasses; ++age)
        ages << tr("Age %1").arg(age);
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

    centreOnScreen(this);
    goBackButton_->setFocus();
}

QString OutlookWindow::number(double value, int significantDigits) const
{
    return toQString(formatSignificant(value, significantDigits, locale_));
}

QString OutlookWindow::fixed(double value, int decimals) const
{
    return toQString(formatFixed(value, decimals, locale_));
}

void OutlookWindow::showMatrix(const Result<LeslieMatrix>& matrix)
{
    clearNumbers();
    outlook_.reset();
    Result<LongTermOutlook> outlook = matrix ? analyseLongTerm(*matrix) : Result<LongTermOutlook>(matrix.error());
    if (!outlook) {
        lambdaLabel_->setText(tr("The long-term outlook cannot be worked out."));
        growthLabel_->setText(toQString(outlook.error().message));
        saveButton_->setEnabled(false);
        return;
    }
    outlook_ = *outlook;
    saveButton_->setEnabled(true);
    showSentences(*outlook_);
    if (outlook_->diesOut())
        return;
    fillByAge(*outlook_);
    fillMatrixGrid(sensitivityGrid_, outlook_->sensitivityFecundity, outlook_->sensitivitySurvival);
    fillMatrixGrid(elasticityGrid_, outlook_->elasticityFecundity, outlook_->elasticitySurvival);
}

void OutlookWindow::showSentences(const LongTermOutlook& o)
{
    if (o.diesOut()) {
        lambdaLabel_->setText(tr("λ = 0"));
        growthLabel_->setText(tr("No age class both lives long enough and has young: the population dies out "
                                 "within %1 time intervals, whatever its start.")
                                  .arg(o.classes));
        reproductionLabel_->setText(tr("Net reproductive rate R0 = 0."));
        return;
    }

    const double r = *o.growthExponent;
    lambdaLabel_->setText(tr("λ = %1, and r = ln λ = %2").arg(number(o.lambda, 6), number(r, 6)));
    const QString percent = fixed(o.percentChangePerInterval(), 1);
    const QString timesToDoubleOrHalve = fixed(o.doublingOrHalvingTime().value_or(0), 1);
    if (o.lambda > 1)
        growthLabel_->setText(tr("In the long run the population grows by %1 % per time interval and doubles "
                                 "every %2 intervals.")
                                  .arg(percent, timesToDoubleOrHalve));
    else if (o.lambda < 1)
        growthLabel_->setText(tr("In the long run the population shrinks by %1 % per time interval and halves "
                                 "every %2 intervals.")
                                  .arg(percent, timesToDoubleOrHalve));
    else
        growthLabel_->setText(tr("In the long run the population keeps its size."));

    if (!o.settles())
        settlingLabel_->setText(tr("The numbers cycle with period %1: the growth rate and the age distribution "
                                   "never settle but repeat every %1 intervals, while the population changes on "
                                   "average by the factor λ each interval.")
                                    .arg(*o.period));
    else if (o.dampingRatio && o.oscillationPeriod)
        settlingLabel_->setText(tr("Differences from the stable distribution shrink by a factor %1 each interval; "
                                   "they swing with a period of about %2 intervals.")
                                    .arg(fixed(*o.dampingRatio, 2), fixed(*o.oscillationPeriod, 1)));
    else if (o.dampingRatio)
        settlingLabel_->setText(tr("Differences from the stable distribution shrink by a factor %1 each interval, "
                                   "without swinging.")
                                    .arg(fixed(*o.dampingRatio, 2)));
    else
        settlingLabel_->setText(tr("Only the youngest class has young, so the age distribution is stable after at "
                                   "most %1 intervals, whatever the start.")
                                    .arg(o.classes));

    reproductionLabel_->setText(tr("Net reproductive rate R0 = %1; generation time %2 intervals.")
                                    .arg(number(o.netReproductiveRate, 6), fixed(*o.generationTime, 2)));
}

void OutlookWindow::fillByAge(const LongTermOutlook& o)
{
    for (int age = 0; age < kClasses && age < o.classes; ++age) {
        setCell(byAgeTable_, age, 0, number(o.stableDistribution[age], 6));
        setCell(byAgeTable_, age, 1, number(o.reproductiveValues[age], 6));
    }
}

// Laid out like the matrix: fecundities on the first row, survival rates
// below the diagonal, and nothing where the matrix holds no entry.
void OutlookWindow::fillMatrixGrid(QTableWidget* grid, const std::vector<double>& fecundity,
                                   const std::vector<double>& survival)
{
    for (int j = 0; j < kClasses && j < static_cast<int>(fecundity.size()); ++j)
        setCell(grid, 0, j, number(fecundity[j], 5));
    for (int j = 0; j + 1 < kClasses && j < static_cast<int>(survival.size()); ++j)
        setCell(grid, j + 1, j, number(survival[j], 5));
}

void OutlookWindow::clearNumbers()
{
    for (QLabel* label : {lambdaLabel_, growthLabel_, settlingLabel_, reproductionLabel_})
        label->clear();
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
    const Result<void> saved = replaceFile(QFile::encodeName(path).toStdString(), analysisFileText(*outlook_));
    if (!saved)
        prompts_.report(this, tr("The analysis was not saved. %1 Choose another folder or file name and save "
                                 "again.")
                                  .arg(QFile::decodeName(QByteArray::fromStdString(saved.error().message))));
}

}  // namespace dalvo::ui
