// The "Chance" tab: many replicates of the population with whole individuals and good and bad years, as a fan, a risk and a long-run growth rate.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QtGlobal>
#include <memory>
#include <optional>

#include "model/chance.h"
#include "model/number_text.h"
#include "ui/own_population/study_tab.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dalvo::ui {

class ChartRenderer;
struct ControlSheet;

// A run goes on a thread of its own, so that the window answers throughout;
// its result comes back to the window's thread by a queued signal. A run
// that is cancelled, or that a change of the population stops, leaves
// nothing behind: the charts and the file show complete runs only.
class ChanceTab : public StudyTab {
    Q_OBJECT
public:
    explicit ChanceTab(QWidget* parent);
    // Cancels a run that is going and waits for its thread.
    ~ChanceTab() override;
    void showStudy(const OwnPopulation& population, const PopulationStudy& study) override;

    static const ControlSheet& sheet();

    // The last complete run of the population shown; empty before one and while one goes.
    const std::optional<ChanceResult>& result() const { return result_; }
    bool running() const { return run_ != nullptr; }

signals:
    // From the run's thread: run `id` has its outcome.
    void runEnded(quint64 id);

private:
    struct Run;
    enum Chart { Fan, Risk, Charts };

    std::optional<ChanceSettings> readSettings();
    void startRun();
    void finishRun(quint64 id);
    // Cancels the run, if any, waits for its thread and drops what it did.
    void stopRun();
    void showRunning(bool running);
    void showResult();
    void showGrowth();
    void showProblem(const QString& problem);
    void newSeed();

    NumberLocale locale_;
    std::optional<ChancePopulation> population_;
    std::optional<ChanceResult> result_;
    std::unique_ptr<Run> run_;
    quint64 runs_ = 0;

    QLineEdit* replicatesField_ = nullptr;
    QLineEdit* stepsField_ = nullptr;
    QLineEdit* seedField_ = nullptr;
    QLineEdit* thresholdField_ = nullptr;
    QCheckBox* demographicBox_ = nullptr;
    QCheckBox* environmentalBox_ = nullptr;
    QLineEdit* cvFecundityField_ = nullptr;
    QLineEdit* cvSurvivalField_ = nullptr;
    QCheckBox* goodAndBadYearsBox_ = nullptr;
    QCheckBox* logScaleBox_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    QLabel* problemLabel_ = nullptr;
    QLabel* noteLabel_ = nullptr;
    QLabel* growthLabel_ = nullptr;
    QChartView* views_[Charts] = {};
    std::unique_ptr<ChartRenderer> renderers_[Charts];
};

}  // namespace dalvo::ui
