// The "Outlook" tab: the long-term outlook of a matrix of any size, with the three generation times and the textbook λ.
#pragma once

#include "ui/own_population/study_tab.h"

namespace dalvo::ui {

struct ControlSheet;

class OutlookTab : public StudyTab {
    Q_OBJECT
public:
    explicit OutlookTab(QWidget* parent);
    void showStudy(const OwnPopulation& population, const PopulationStudy& study) override;

    static const ControlSheet& sheet();
};

}  // namespace dalvo::ui
