// What every tab of the "Own population" window offers the window: it shows one study at a time.
#pragma once

#include <QWidget>

#include "model/own_population.h"

namespace dalvo::ui {

class StudyTab : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    // Shows `study` of `population`; called after every accepted change.
    virtual void showStudy(const OwnPopulation& population, const PopulationStudy& study) = 0;
};

}  // namespace dalvo::ui
