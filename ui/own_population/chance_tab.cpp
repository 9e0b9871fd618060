// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/own_population/chance_tab.h"
#include "ui/own_population/tab_entries.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <atomic>
#include <cmath>
#include <new>
#include <thread>
#include <utility>

#include "presentation/chance_charts.h"
#include "ui/charts/chart_renderer.h"
#include "ui/common/control_sheet.h"
#include "ui/common/controls.h"
#include "ui/common/messages.h"
#include "ui/own_population/sheet_layout.h"

namespace dalvo::ui {

namespace {

constexpr const char* kContext = "dalvo::ui::ChanceTab";

constexpr int kFirstRow = 90;
constexpr int kSecondRow = 570;
constexpr int kRowHeight = 390;
constexpr int kChartsTop = 1710;
constexpr int kChartWidth = 7110;
constexpr int kChartHeight = 5700;
constexpr int kProgressSteps = 1000;
// Often enough for the bar to move smoothly, seldom enough to cost nothing.
constexpr int kProgressMilliseconds = 50;
// A seed is written to the results file in the general format, whose 15
// significant digits keep every seed up to this one exactly.
constexpr qulonglong kLargestSeed = 999'999'999'999'999ULL;
// "New seed" picks from these, short enough to read out and type again.
constexpr quint32 kNewSeedsBelow = 1'000'000'000U;

ControlEntry chart(const char* role, const char* name, int column)
{
    return {.role = role,
            .objectName = role,
            .kind = ControlKind::Own,
            .twips = {90 + column * kChartWidth, kChartsTop, kChartWidth, kChartHeight},
            .accessibleName = name};
}

ControlSheet makeSheet()
{
    return {
        .context = kContext,
        .windowName = QStringLiteral("chanceTab"),
        .twips = {kStudyTabWidthTwips, kStudyTabHeightTwips},
        .controls =
            {
                tabCaption("replicatesCaption", QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "&Replicates:"),
                        {90, kFirstRow, 1260, kRowHeight}),
                tabField("replicatesField",
                      QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "How many runs to simulate, 1 to 100 000"),
                      {1350, kFirstRow, 1020, kRowHeight}),
                tabCaption("chanceStepsCaption", QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "Ste&ps:"),
                        {2490, kFirstRow, 750, kRowHeight}),
                tabField("chanceStepsField",
                      QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "How many time intervals each run lasts, 1 to 1000"),
                      {3240, kFirstRow, 720, kRowHeight}),
                tabCaption("seedCaption", QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "See&d:"),
                        {4080, kFirstRow, 690, kRowHeight}),
                tabField("seedField",
                      QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab",
                                        "The same seed gives the same runs on every computer"),
                      {4770, kFirstRow, 1500, kRowHeight}),
                {.role = "newSeedButton",
                 .objectName = "newSeedButton",
                 .kind = ControlKind::Button,
                 .caption = QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "New seed"),
                 .toolTip = QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "A seed picked at random: other runs"),
                 .twips = {6330, kFirstRow - 30, 1320, kRowHeight + 60},
                 .font = {10}},
                tabCaption("thresholdCaption", QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "T&hreshold:"),
                        {7770, kFirstRow, 1170, kRowHeight}),
                tabField("thresholdField",
                      QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab",
                                        "A total below it counts as lost; 1: no individual left"),
                      {8940, kFirstRow, 840, kRowHeight}),
                {.role = "runButton",
                 .objectName = "runButton",
                 .kind = ControlKind::Button,
                 .caption = QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "Run"),
                 .toolTip = QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "Simulate the runs (Ctrl+R)"),
                 .twips = {9930, kFirstRow - 30, 1200, kRowHeight + 60},
                 .font = {12, true},
                 .shortcut = QKeySequence(Qt::CTRL | Qt::Key_R)},
                {.role = "cancelButton",
                 .objectName = "cancelButton",
                 .kind = ControlKind::Button,
                 .caption = QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "Cancel"),
                 .toolTip = QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "Stop the run; nothing of it is kept"),
                 .twips = {11250, kFirstRow - 30, 1320, kRowHeight + 60},
                 .font = {12, true}},
                {.role = "progressBar",
                 .objectName = "progressBar",
                 .kind = ControlKind::Own,
                 .twips = {12690, kFirstRow, 1620, kRowHeight},
                 .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "Share of the run done")},
                tabCheckBox("demographicBox", QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "Demo&graphic chance"),
                         QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab",
                                           "Whole individuals: each survives or dies, and has young, by chance"),
                         {90, kSecondRow, 2640, kRowHeight}),
                tabCheckBox("environmentalBox", QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "En&vironmental variation"),
                         QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab",
                                           "Every interval draws its survival rates and fecundities afresh"),
                         {2850, kSecondRow, 2880, kRowHeight}),
                tabCaption("cvFecundityCaption", QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "CV of &fecundity:"),
                        {5790, kSecondRow, 1740, kRowHeight}),
                tabField("cvFecundityField",
                      QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab",
                                        "Standard deviation of each fecundity as a share of its mean"),
                      {7530, kSecondRow, 630, kRowHeight}),
                tabCaption("cvSurvivalCaption", QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "CV of s&urvival:"),
                        {8220, kSecondRow, 1620, kRowHeight}),
                tabField("cvSurvivalField",
                      QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab",
                                        "Standard deviation of each survival rate as a share of its mean"),
                      {9840, kSecondRow, 630, kRowHeight}),
                tabCheckBox("goodAndBadYearsBox", QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "Good and bad &years"),
                         QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab",
                                           "All rates of an interval move together: a year is good or bad "
                                           "for everyone"),
                         {10530, kSecondRow, 2310, kRowHeight}),
                tabCheckBox("chanceLogScaleBox", QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "Log scale"),
                         QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "Logarithmic axis for the total"),
                         {12870, kSecondRow, 1440, kRowHeight}),
                {.role = "chanceProblemLabel",
                 .objectName = "chanceProblemLabel",
                 .twips = {90, 1050, 7020, 600},
                 .font = {9}},
                {.role = "noteLabel", .objectName = "noteLabel", .twips = {7200, 1050, 7110, 600}, .font = {9}},
                chart("fanChart", QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "Total population with chance"), 0),
                chart("riskChart", QT_TRANSLATE_NOOP("dalvo::ui::ChanceTab", "Risk of falling below the threshold"),
                      1),
                {.role = "growthLabel",
                 .objectName = "growthLabel",
                 .twips = {90, kChartsTop + kChartHeight + 60, 2 * kChartWidth, 1320},
                 .font = {10}},
            },
    };
}

// m(j+1) for each class j when only the survivors of a class breed: the
// matrix of a life table with a post-breeding census. Empty otherwise.
std::vector<double> youngPerSurvivor(const OwnPopulation& population)
{
    if (!population.lifeTable || population.census != Census::PostBreeding)
        return {};
    const std::vector<double>& m = population.lifeTable->fecundity;
    std::vector<double> young(static_cast<std::size_t>(population.matrix.classes()), 0.0);
    for (std::size_t j = 0; j < young.size(); ++j)
        young[j] = j + 1 < m.size() ? m[j + 1] : 0.0;
    return young;
}

QString shown(double value, const NumberLocale& locale)
{
    return toQString(formatSignificant(value, 5, locale));
}

}  // namespace

// What a run's thread and the tab share. The thread writes `outcome`, then
// signals; the tab reads it after joining the thread.
struct ChanceTab::Run {
    quint64 id = 0;
    std::atomic<bool> cancel{false};
    std::atomic<double> progress{0.0};
    std::optional<Result<ChanceResult>> outcome;
    std::thread worker;
};

const ControlSheet& ChanceTab::sheet()
{
    static const ControlSheet sheet = makeSheet();
    return sheet;
}

ChanceTab::ChanceTab(QWidget* parent) : StudyTab(parent), locale_(numberLocaleOfSystem())
{
    OwnControls own;
    own[QStringLiteral("fanChart")] = [this](QWidget* tab) {
        views_[Fan] = new QChartView(new QChart, tab);
        return views_[Fan];
    };
    own[QStringLiteral("riskChart")] = [this](QWidget* tab) {
        views_[Risk] = new QChartView(new QChart, tab);
        return views_[Risk];
    };
    own[QStringLiteral("progressBar")] = [](QWidget* tab) { return new QProgressBar(tab); };
    const ControlSet controls = buildControls(this, sheet(), own);
    new SheetLayout(this, sheet(), controls);
    resize(sizeHint());

    for (int index = 0; index < Charts; ++index) {
        QChartView* view = views_[index];
        view->setRenderHint(QPainter::Antialiasing);
        view->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
        view->chart()->setBackgroundRoundness(0);
        view->chart()->setMargins(QMargins(2, 2, 2, 2));
        renderers_[index] = std::make_unique<ChartRenderer>(view->chart(), locale_);
    }
    const auto get = [&controls](const char* role) { return controls[QString::fromLatin1(role)]; };
    replicatesField_ = controls.get<QLineEdit>(QStringLiteral("replicatesField"));
    stepsField_ = controls.get<QLineEdit>(QStringLiteral("chanceStepsField"));
    seedField_ = controls.get<QLineEdit>(QStringLiteral("seedField"));
    thresholdField_ = controls.get<QLineEdit>(QStringLiteral("thresholdField"));
    cvFecundityField_ = controls.get<QLineEdit>(QStringLiteral("cvFecundityField"));
    cvSurvivalField_ = controls.get<QLineEdit>(QStringLiteral("cvSurvivalField"));
    demographicBox_ = controls.get<QCheckBox>(QStringLiteral("demographicBox"));
    environmentalBox_ = controls.get<QCheckBox>(QStringLiteral("environmentalBox"));
    goodAndBadYearsBox_ = controls.get<QCheckBox>(QStringLiteral("goodAndBadYearsBox"));
    logScaleBox_ = controls.get<QCheckBox>(QStringLiteral("chanceLogScaleBox"));
    runButton_ = controls.get<QPushButton>(QStringLiteral("runButton"));
    cancelButton_ = controls.get<QPushButton>(QStringLiteral("cancelButton"));
    progressBar_ = controls.get<QProgressBar>(QStringLiteral("progressBar"));
    problemLabel_ = controls.get<QLabel>(QStringLiteral("chanceProblemLabel"));
    noteLabel_ = controls.get<QLabel>(QStringLiteral("noteLabel"));
    growthLabel_ = controls.get<QLabel>(QStringLiteral("growthLabel"));
    // A caption's mnemonic takes the student to its field.
    const std::pair<const char*, const char*> buddies[] = {
        {"replicatesCaption", "replicatesField"}, {"chanceStepsCaption", "chanceStepsField"},
        {"seedCaption", "seedField"},             {"thresholdCaption", "thresholdField"},
        {"cvFecundityCaption", "cvFecundityField"}, {"cvSurvivalCaption", "cvSurvivalField"}};
    for (const auto& [label, buddy] : buddies)
        qobject_cast<QLabel*>(get(label))->setBuddy(get(buddy));
    for (QLabel* label : {problemLabel_, noteLabel_, growthLabel_}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    setTextColour(problemLabel_, colours::darkRed);
    setTextColour(noteLabel_, colours::navy);

    const ChanceSettings defaults;
    replicatesField_->setText(QString::number(defaults.replicates));
    stepsField_->setText(QString::number(defaults.steps));
    seedField_->setText(QString::number(defaults.seed));
    thresholdField_->setText(toQString(formatGeneral(defaults.threshold, locale_)));
    cvFecundityField_->setText(toQString(formatGeneral(defaults.cvFecundity, locale_)));
    cvSurvivalField_->setText(toQString(formatGeneral(defaults.cvSurvival, locale_)));
    demographicBox_->setChecked(defaults.demographic);
    environmentalBox_->setChecked(defaults.environmental);
    goodAndBadYearsBox_->setChecked(defaults.goodAndBadYears);
    const auto showVariation = [this](bool varies) {
        for (QWidget* control : std::initializer_list<QWidget*>{cvFecundityField_, cvSurvivalField_, goodAndBadYearsBox_})
            control->setEnabled(varies);
    };
    showVariation(defaults.environmental);
    connect(environmentalBox_, &QCheckBox::toggled, this, showVariation);

    progressBar_->setRange(0, kProgressSteps);
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(kProgressMilliseconds);
    connect(progressTimer_, &QTimer::timeout, this, [this] {
        if (run_)
            progressBar_->setValue(static_cast<int>(std::lround(run_->progress.load() * kProgressSteps)));
    });
    connect(this, &ChanceTab::runEnded, this, &ChanceTab::finishRun, Qt::QueuedConnection);
    connect(runButton_, &QPushButton::clicked, this, &ChanceTab::startRun);
    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        if (run_)
            run_->cancel = true;
        cancelButton_->setEnabled(false);
    });
    connect(controls.get<QPushButton>(QStringLiteral("newSeedButton")), &QPushButton::clicked, this,
            &ChanceTab::newSeed);
    connect(logScaleBox_, &QCheckBox::toggled, this, [this] {
        if (result_)
            renderers_[Fan]->render(chanceFanChart(*result_, logScaleBox_->isChecked()));
    });
    showRunning(false);
    showResult();
}

ChanceTab::~ChanceTab()
{
    if (run_) {
        run_->cancel = true;
        run_->worker.join();
    }
}

void ChanceTab::showStudy(const OwnPopulation& population, const PopulationStudy&)
{
    ChancePopulation next{population.matrix, population.initial, youngPerSurvivor(population)};
    noteLabel_->setText(next.youngPerSurvivor.empty()
                            ? QString()
                            : tr("Counted just after breeding, only the survivors of a class breed: each leaves "
                                 "Poisson(m(x+1)) young. The mean is the matrix's; the variance is larger than "
                                 "if the young came whether or not their parent lived."));
    // A new number of steps to project, say, leaves the runs as they were.
    const bool same = population_ && population_->matrix == next.matrix && population_->initial == next.initial &&
                      population_->youngPerSurvivor == next.youngPerSurvivor;
    population_ = std::move(next);
    if (same)
        return;
    const bool wasRunning = running();
    stopRun();
    showProblem(wasRunning ? tr("The population changed, so the run was stopped. Press Run again.") : QString());
    result_.reset();
    showResult();
}

void ChanceTab::showProblem(const QString& problem)
{
    problemLabel_->setText(problem);
}

std::optional<ChanceSettings> ChanceTab::readSettings()
{
    ChanceSettings settings;
    const auto whole = [this](QLineEdit* field, const QString& what, int low, int high) -> std::optional<int> {
        const Result<double> read = parseNumber(field->text().trimmed().toStdString(), locale_);
        if (!read || std::floor(*read) != *read || *read < low || *read > high) {
            showProblem(tr("%1 must be a whole number from %2 to %3.").arg(what).arg(low).arg(high));
            field->setFocus();
            return std::nullopt;
        }
        return static_cast<int>(*read);
    };
    const auto number = [this](QLineEdit* field, const QString& what) -> std::optional<double> {
        const Result<double> read = parseNumber(field->text().trimmed().toStdString(), locale_);
        if (!read) {
            showProblem(tr("%1 must be a number.").arg(what));
            field->setFocus();
            return std::nullopt;
        }
        return *read;
    };
    const std::optional<int> replicates = whole(replicatesField_, tr("Replicates"), 1, kMostChanceReplicates);
    if (!replicates)
        return std::nullopt;
    const std::optional<int> steps = whole(stepsField_, tr("Steps"), 1, kMostChanceSteps);
    if (!steps)
        return std::nullopt;
    bool isWhole = false;
    const qulonglong seed = seedField_->text().trimmed().toULongLong(&isWhole);
    if (!isWhole || seed > kLargestSeed) {
        showProblem(tr("The seed must be a whole number from 0 to %1.").arg(kLargestSeed));
        seedField_->setFocus();
        return std::nullopt;
    }
    const std::optional<double> threshold = number(thresholdField_, tr("The threshold"));
    if (!threshold)
        return std::nullopt;
    settings.replicates = *replicates;
    settings.steps = *steps;
    settings.seed = seed;
    settings.threshold = *threshold;
    settings.demographic = demographicBox_->isChecked();
    settings.environmental = environmentalBox_->isChecked();
    if (settings.environmental) {
        const std::optional<double> cvFecundity = number(cvFecundityField_, tr("The CV of fecundity"));
        if (!cvFecundity)
            return std::nullopt;
        const std::optional<double> cvSurvival = number(cvSurvivalField_, tr("The CV of survival"));
        if (!cvSurvival)
            return std::nullopt;
        settings.cvFecundity = *cvFecundity;
        settings.cvSurvival = *cvSurvival;
        settings.goodAndBadYears = goodAndBadYearsBox_->isChecked();
    }
    return settings;
}

void ChanceTab::startRun()
{
    if (run_ || !population_)
        return;
    const std::optional<ChanceSettings> settings = readSettings();
    if (!settings)
        return;
    if (const Result<void> checked = checkChance(*population_, *settings); !checked) {
        showProblem(shownError(checked.error()));
        return;
    }
    showProblem({});
    result_.reset();
    showResult();
    run_ = std::make_unique<Run>();
    run_->id = ++runs_;
    Run* run = run_.get();
    run->worker = std::thread([this, run, population = *population_, settings = *settings] {
        ChanceControl control;
        control.cancel = &run->cancel;
        control.progress = [run](double done) { run->progress = done; };
        try {
            run->outcome = runChance(population, settings, control);
        } catch (const std::bad_alloc&) {
            run->outcome = Result<ChanceResult>(Error{"There is not enough memory for this run."});
        }
        emit runEnded(run->id);
    });
    showRunning(true);
}

void ChanceTab::finishRun(quint64 id)
{
    // A run stopped since it signalled has been dealt with already.
    if (!run_ || run_->id != id)
        return;
    run_->worker.join();
    Result<ChanceResult> outcome = std::move(*run_->outcome);
    run_.reset();
    showRunning(false);
    if (!outcome) {
        showProblem(outcome.error().message == kChanceCancelled
                        ? tr("The run was cancelled; nothing of it is kept.")
                        : shownError(outcome.error()));
        return;
    }
    result_ = std::move(*outcome);
    showResult();
}

void ChanceTab::stopRun()
{
    if (!run_)
        return;
    run_->cancel = true;
    run_->worker.join();
    run_.reset();
    showRunning(false);
}

void ChanceTab::showRunning(bool running)
{
    runButton_->setEnabled(!running);
    cancelButton_->setEnabled(running);
    progressBar_->setValue(0);
    progressBar_->setVisible(running);
    if (running)
        progressTimer_->start();
    else
        progressTimer_->stop();
}

void ChanceTab::newSeed()
{
    seedField_->setText(QString::number(QRandomGenerator::global()->bounded(1U, kNewSeedsBelow)));
}

void ChanceTab::showResult()
{
    const ChanceResult none;
    const ChanceResult& shownResult = result_ ? *result_ : none;
    renderers_[Fan]->render(chanceFanChart(shownResult, logScaleBox_->isChecked()));
    renderers_[Risk]->render(chanceRiskChart(shownResult));
    showGrowth();
}

void ChanceTab::showGrowth()
{
    if (!result_) {
        growthLabel_->setText(tr("Run (Ctrl+R) simulates the population many times with chance: the fan shows "
                                 "how its total spreads, the risk how often it is lost."));
        return;
    }
    const ChanceResult& r = *result_;
    QStringList lines;
    const double lambda = r.lambdaAverageMatrix;
    lines << (lambda > 0 ? tr("λ of the average matrix: %1 (ln λ = %2).")
                               .arg(shown(lambda, locale_), shown(std::log(lambda), locale_))
                         : tr("λ of the average matrix: %1.").arg(shown(lambda, locale_)));
    switch (r.growthReason) {
        case NotGivenReason::Given:
            if (r.logLambdaS && r.logLambdaSLower && r.logLambdaSUpper)
                lines << tr("Long-run growth rate log λs from one run of %1 intervals: %2 (95 % interval %3 to %4).")
                             .arg(kGrowthRunIntervals)
                             .arg(shown(*r.logLambdaS, locale_), shown(*r.logLambdaSLower, locale_),
                                  shown(*r.logLambdaSUpper, locale_));
            if (r.logLambdaSTuljapurkar)
                lines << tr("Tuljapurkar's approximation: log λs ≈ %1.").arg(shown(*r.logLambdaSTuljapurkar, locale_));
            lines << tr("Both lie below ln λ: growth multiplies, so a bad year takes away more than an equally good "
                        "year adds, and the long run follows the average of the logarithms, which is below the "
                        "logarithm of the average.");
            break;
        case NotGivenReason::DemographicChance:
            lines << tr("The long-run growth rate is not given with demographic chance: a run of whole individuals "
                        "can die out, and then it grows no more.");
            break;
        case NotGivenReason::NoEnvironmentalVariation:
            lines << tr("Without environmental variation every year is the average year, so the long-run growth "
                        "rate is ln λ.");
            break;
        case NotGivenReason::MatrixDiesOut:
            lines << tr("λ of the average matrix is 0: the population dies out, so it has no long-run growth rate.");
            break;
        default:
            break;
    }
    if (!r.lossProbability.empty())
        lines << tr("By step %1, %2 % of the runs had fallen below the threshold.")
                     .arg(r.settings.steps)
                     .arg(shown(100 * r.lossProbability.back(), locale_));
    switch (r.exactExtinctionReason) {
        case NotGivenReason::Given:
            lines << tr("The dashed risk is the exact probability of extinction, from the branching process.");
            break;
        case NotGivenReason::EnvironmentalVariationOnly:
            lines << tr("The exact risk is worked out for demographic chance alone: it needs rates that stay the "
                        "same from year to year.");
            break;
        case NotGivenReason::ThresholdNotExtinction:
            lines << tr("The exact risk is that of no individual left: it is drawn for a threshold above 0 and at "
                        "most 1.");
            break;
        default:
            break;
    }
    growthLabel_->setText(lines.join(QLatin1Char(' ')));
}

}  // namespace dalvo::ui
