// The age-distribution table frmAgeDist: each age class's share of the total for every step of the run.
#pragma once

#include "model/history.h"
#include "model/number_text.h"
#include "ui/common/secondary_window.h"

class QPushButton;

namespace dalvo::ui {

class StepGrid;

// Like the detail table a snapshot, filled by ShowAgeDistribution on each
// visit; it has no print button.
class AgeDistributionWindow : public SecondaryWindow {
    Q_OBJECT
public:
    AgeDistributionWindow(const History& history, NumberLocale locale, QWidget* parent = nullptr);

    // Rebuilds the whole grid from the run as it stands now.
    void ShowAgeDistribution();

    const StepGrid& grid() const { return *MSFlexGrid1; }

signals:
    void backToMainRequested();
    // Back to the detail table as it was left, without refilling it.
    void showAgeStructureRequested();

private:
    const History& history_;

    StepGrid* MSFlexGrid1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

}  // namespace dalvo::ui
