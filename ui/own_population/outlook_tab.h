// The "Outlook" tab: the long-term outlook of a matrix of any size, with the three generation times and the textbook λ.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include "ui/outlook/outlook_texts.h"
#include "ui/own_population/study_tab.h"

class QLabel;
class QTableWidget;

namespace dalvo::ui {

struct ControlSheet;

class OutlookTab : public StudyTab {
    Q_OBJECT
public:
    explicit OutlookTab(QWidget* parent);
    void showStudy(const OwnPopulation& population, const PopulationStudy& study) override;

    static const ControlSheet& sheet();

private:
    void clearNumbers();
    void showTextbookLambda(const LongTermOutlook& outlook, const PopulationStudy& study);
    void showGenerationTimes(const GenerationTimes& times);
    void showByAgeColumns(const LongTermOutlook& outlook);
    void showGrids(const LongTermOutlook& outlook);
    // The by-age columns take the grids' place for more than this many classes.
    static constexpr int kMostClassesInGrids = 4;

    OutlookTexts texts_;
    QLabel* lambdaLabel_ = nullptr;
    QLabel* textbookLabel_ = nullptr;
    QLabel* growthLabel_ = nullptr;
    QLabel* startLabel_ = nullptr;
    QLabel* settlingLabel_ = nullptr;
    QLabel* secondRootLabel_ = nullptr;
    QLabel* reproductionLabel_ = nullptr;
    QLabel* generationLabels_[3] = {};
    QLabel* byAgeCaption_ = nullptr;
    QLabel* sensitivityCaption_ = nullptr;
    QLabel* elasticityCaption_ = nullptr;
    QTableWidget* byAgeTable_ = nullptr;
    QTableWidget* byAgeColumns_ = nullptr;
    QTableWidget* sensitivityGrid_ = nullptr;
    QTableWidget* elasticityGrid_ = nullptr;
};

}  // namespace dalvo::ui
