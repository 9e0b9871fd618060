// The "Projection" tab: the run from N(0) as four charts and a table, with the steps and the classes drawn.
#pragma once

#include "ui/own_population/study_tab.h"

namespace dalvo::ui {

struct ControlSheet;

class ProjectionTab : public StudyTab {
    Q_OBJECT
public:
    explicit ProjectionTab(QWidget* parent);
    void showStudy(const OwnPopulation& population, const PopulationStudy& study) override;

    static const ControlSheet& sheet();

signals:
    // The student changed "Steps" to a valid number (1..kMostProjectionSteps).
    void stepsChanged(int steps);
};

}  // namespace dalvo::ui
