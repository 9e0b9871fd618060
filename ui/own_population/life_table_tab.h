// The "Life table" tab: the population's life table with its usual columns, and R0, Tc and e(0) under it.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include "model/number_text.h"
#include "ui/own_population/study_tab.h"

class QLabel;

namespace dalvo::ui {

class CellsTable;
struct ControlSheet;

class LifeTableTab : public StudyTab {
    Q_OBJECT
public:
    explicit LifeTableTab(QWidget* parent);
    void showStudy(const OwnPopulation& population, const PopulationStudy& study) override;

    static const ControlSheet& sheet();

private:
    QString censusNote(const OwnPopulation& population, const PopulationStudy& study) const;

    NumberLocale locale_;
    QLabel* noteLabel_ = nullptr;
    CellsTable* table_ = nullptr;
    QLabel* figuresLabel_ = nullptr;
};

}  // namespace dalvo::ui
