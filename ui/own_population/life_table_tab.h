// The "Life table" tab: the population's life table with its usual columns, and R0, Tc and e(0) under it.
#pragma once

#include "ui/own_population/study_tab.h"

namespace dalvo::ui {

struct ControlSheet;

class LifeTableTab : public StudyTab {
    Q_OBJECT
public:
    explicit LifeTableTab(QWidget* parent);
    void showStudy(const OwnPopulation& population, const PopulationStudy& study) override;

    static const ControlSheet& sheet();
};

}  // namespace dalvo::ui
