// The "Projection" tab: the run from N(0) as four charts and a table, with the steps and the classes drawn.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "model/number_text.h"
#include "ui/own_population/study_tab.h"

class QCheckBox;
class QLabel;
class QLineEdit;
QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dalvo::ui {

class CellsTable;
class ChartRenderer;
struct ControlSheet;

class ProjectionTab : public StudyTab {
    Q_OBJECT
public:
    explicit ProjectionTab(QWidget* parent);
    ~ProjectionTab() override;
    void showStudy(const OwnPopulation& population, const PopulationStudy& study) override;

    static const ControlSheet& sheet();

signals:
    // The student changed "Steps" to a valid number (1..kMostProjectionSteps).
    void stepsChanged(int steps);

private:
    enum Chart { Total, GrowthRate, Distribution, Convergence, Charts };

    void readSteps();
    void readDrawnClasses();
    void drawCharts();
    void drawDistribution();
    // Marks `field` as holding an entry that is not taken, saying why; an
    // empty `problem` takes the mark away.
    void mark(QLineEdit* field, const QString& problem);

    NumberLocale locale_;
    std::optional<PopulationStudy> study_;
    std::vector<int> drawnClasses_;
    // The student picked the classes, rather than leaving the default.
    bool classesChosen_ = false;
    int classes_ = -1;

    QLineEdit* stepsField_ = nullptr;
    QLineEdit* classesField_ = nullptr;
    QCheckBox* logScaleBox_ = nullptr;
    QLabel* problemLabel_ = nullptr;
    CellsTable* table_ = nullptr;
    QChartView* views_[Charts] = {};
    std::vector<std::unique_ptr<ChartRenderer>> renderers_;
};

}  // namespace dalvo::ui
