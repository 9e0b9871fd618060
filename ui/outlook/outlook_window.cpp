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
    // Tab moves on to the next control instead of round the cells forever.
    grid->setTabKeyNavigation(false);
    return grid;
}

void setCell(QTableWidget* grid, int row, int column, const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->setItem(row, column, item);
}

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
                {.role = "meaningLabel",
                 .objectName = "meaningLabel",
                 .caption = QT_TRANSLATE_NOOP(
                     "dalvo::ui::OutlookWindow",
                     "The sensitivity of λ to an entry of the matrix says how much λ changes "
                     "when that entry changes by a small amount; the elasticity says the same "
                     "in proportions: by what share λ changes when the entry changes by a "
                     "small share. Empty cells are not part of a Leslie matrix."),
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

    for (QLabel* caption : {byAgeCaption_, sensitivityCaption_, elasticityCaption_})
        captions_.emplace_back(caption, caption->text());

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
        lambdaLabel_->setText(tr("The long-term outlook cannot be worked out."));
        growthLabel_->setText(shownError(outlook.error()));
        saveButton_->setEnabled(false);
        return;
    }
    outlook_ = *outlook;
    saveButton_->setEnabled(true);
    showSentences(*outlook_);
    if (outlook_->diesOut()) {
        byAgeCaption_->setText(tr("By age: empty, as λ = 0"));
        sensitivityCaption_->setText(tr("Sensitivity of λ: empty, as λ = 0"));
        elasticityCaption_->setText(tr("Elasticity of λ: empty, as λ = 0"));
        return;
    }
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
    showGrowth(o);
    if (matrix_ && !initial_.empty() && !startHasFutureBreeders(*matrix_, initial_))
        startLabel_->setText(tr("But no one in this start will ever have young, so this start dies out within "
                                "%1 intervals, whatever λ says.")
                                 .arg(o.classes));
    showSettling(o);
    showSecondRoot(o);

    const QString r0 = number(o.netReproductiveRate, 6);
    reproductionLabel_->setText(tr("Net reproductive rate R0 = %1; generation time %2 intervals. Each newborn "
                                   "leaves on average %1 newborns in its life, and in one generation time the "
                                   "population changes by the factor R0.")
                                    .arg(r0, fixed(*o.generationTime, 2)));
}

void OutlookWindow::showGrowth(const LongTermOutlook& o)
{
    const double percent = o.percentChangePerInterval();
    const QString percentText = fixed(percent, decimalsFor(percent, 2, 1));
    const QString timesToDoubleOrHalve = fixed(o.doublingOrHalvingTime().value_or(0), 1);
    if (o.lambda >= 1000) {
        // Words for the powers of ten a student can picture; beyond them the power itself.
        static const char* const kPowers[] = {
            QT_TR_NOOP("a thousand"),         QT_TR_NOOP("ten thousand"),     QT_TR_NOOP("a hundred thousand"),
            QT_TR_NOOP("a million"),          QT_TR_NOOP("ten million"),      QT_TR_NOOP("a hundred million"),
            QT_TR_NOOP("a billion"),          QT_TR_NOOP("ten billion"),      QT_TR_NOOP("a hundred billion"),
            QT_TR_NOOP("a trillion"),         QT_TR_NOOP("ten trillion"),     QT_TR_NOOP("a hundred trillion")};
        const int power = nearestPowerOfTen(o.lambda);
        const QString factor = power - 3 < static_cast<int>(std::size(kPowers))
                                   ? tr(kPowers[power - 3])
                                   : tr("ten to the power %1").arg(power);
        growthLabel_->setText(tr("In the long run the population multiplies by about %1 each time interval.")
                                  .arg(factor));
    } else if (o.lambda >= 2) {
        growthLabel_->setText(tr("In the long run the population multiplies by about %1 each time interval.")
                                  .arg(number(o.lambda, 2)));
    } else if (o.lambda > 1) {
        growthLabel_->setText(tr("In the long run the population grows by %1 % per time interval and doubles "
                                 "every %2 intervals.")
                                  .arg(percentText, timesToDoubleOrHalve));
    } else if (o.lambda > 0.5) {
        growthLabel_->setText(tr("In the long run the population shrinks by %1 % per time interval and halves "
                                 "every %2 intervals: it dies out.")
                                  .arg(percentText, timesToDoubleOrHalve));
    } else if (o.lambda < 1) {
        const double left = o.lambda * 100;
        growthLabel_->setText(tr("In the long run the population shrinks to about %1 % of its size each time "
                                 "interval: it dies out.")
                                  .arg(fixed(left, decimalsFor(left, 2, 1))));
    } else {
        growthLabel_->setText(tr("In the long run the population keeps its size."));
    }
}

void OutlookWindow::showSettling(const LongTermOutlook& o)
{
    QString text;
    if (!o.settles()) {
        text = tr("The numbers cycle with period %1: the growth rate and the age distribution never settle but "
                  "repeat every %1 intervals, while the population changes on average by the factor λ each "
                  "interval.")
                   .arg(*o.period);
    } else if (o.dampingRatio && o.alternates()) {
        text = tr("Differences from the stable distribution shrink by a factor %1 each interval; the numbers "
                  "alternate up and down from one interval to the next while they settle.")
                   .arg(dampingRatio(*o.dampingRatio));
    } else if (o.dampingRatio && o.oscillationPeriod) {
        text = tr("Differences from the stable distribution shrink by a factor %1 each interval; they swing with "
                  "a period of about %2 intervals.")
                   .arg(dampingRatio(*o.dampingRatio), fixed(*o.oscillationPeriod, 1));
    } else if (o.dampingRatio) {
        text = tr("Differences from the stable distribution shrink by a factor %1 each interval, without "
                  "swinging.")
                   .arg(dampingRatio(*o.dampingRatio));
    } else if (matrix_ && onlyYoungestClassBreeds(*matrix_)) {
        text = tr("Only the youngest class has young, so the age distribution is stable after at most %1 "
                  "intervals, whatever the start.")
                   .arg(o.classes);
    } else {
        text = tr("Only the youngest class has young that ever reach an age to count, so the age distribution is "
                  "stable after at most %1 intervals, whatever the start.")
                   .arg(o.classes);
    }
    if (o.dampingRatio && o.settles() && intervalsToShrinkTenfold(*o.dampingRatio) > kSlowSettling)
        text += QLatin1Char(' ') + tr("That is very slow: the differences take about %1 intervals to shrink to a "
                                      "tenth.")
                                       .arg(number(intervalsToShrinkTenfold(*o.dampingRatio), 2));
    settlingLabel_->setText(text);
}

void OutlookWindow::showSecondRoot(const LongTermOutlook& o)
{
    if (o.eigenvalues.size() < 2) {
        secondRootLabel_->setText(tr("The matrix has no eigenvalue besides λ."));
        return;
    }
    // Digits enough for λ / |λ2| to be worked out again from what is shown.
    const int digits = o.dampingRatio ? std::clamp(dampingRatioDecimals(*o.dampingRatio) + 3, 6, 15) : 6;
    const std::complex<double> second = o.eigenvalues[1];
    const QString modulus = number(std::abs(second), digits);
    if (o.dampingRatio)
        secondRootLabel_->setText(tr("The next largest eigenvalue is λ2 = %1, with |λ2| = %2; the damping ratio "
                                     "is λ\u00a0/\u00a0|λ2| = %3\u00a0/\u00a0%2 = %4.")
                                      .arg(complexNumber(second, digits), modulus, number(o.lambda, digits),
                                           dampingRatio(*o.dampingRatio)));
    else if (!o.settles())
        secondRootLabel_->setText(tr("The next largest eigenvalue is λ2 = %1, with |λ2| = %2 = λ: nothing damps "
                                     "the cycle.")
                                      .arg(complexNumber(second, digits), modulus));
    else
        secondRootLabel_->setText(tr("Every other eigenvalue is 0."));
}

void OutlookWindow::showSource()
{
    if (!matrix_)
        return;
    const QString f = list(matrix_->fecundity);
    const QString p = list(matrix_->survival);
    if (initial_.empty())
        sourceLabel_->setText(tr("Worked out from the matrix with F = (%1) and P = (%2).").arg(f, p));
    else
        sourceLabel_->setText(tr("Worked out from the matrix with F = (%1) and P = (%2), for the start "
                                 "N(0) = (%3).")
                                  .arg(f, p, list(initial_)));
}

// Digits enough that a ratio near 1 does not read as 1, and no more than a
// double holds for a very large one.
QString OutlookWindow::dampingRatio(double ratio) const
{
    if (ratio >= 1e6)
        return number(ratio, 7);
    return fixed(ratio, dampingRatioDecimals(ratio));
}

// A part too small to show among `digits` digits of the modulus shows as 0:
// its digits would be rounding noise.
QString OutlookWindow::complexNumber(std::complex<double> value, int digits) const
{
    const double unseen = std::abs(value) * std::pow(10.0, -digits);
    value = {std::abs(value.real()) < unseen ? 0 : value.real(),
             std::abs(value.imag()) < unseen ? 0 : value.imag()};
    if (value.imag() == 0)
        return number(value.real(), digits);
    const QString imaginary = number(std::abs(value.imag()), digits);
    return value.imag() > 0 ? tr("%1 + %2i").arg(number(value.real(), digits), imaginary)
                            : tr("%1 − %2i").arg(number(value.real(), digits), imaginary);
}

// Separated by semicolons where a comma is the decimal separator.
QString OutlookWindow::list(const std::vector<double>& values) const
{
    QStringList texts;
    for (double value : values)
        texts << toQString(formatGeneral(value, locale_));
    return texts.join(locale_.decimalSeparator == "," ? QStringLiteral("; ") : QStringLiteral(", "));
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
