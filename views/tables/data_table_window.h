// The detail table DataTabl: numbers per age class, total and growth rate for every step of the run.
#pragma once

#include "model/history.h"
#include "model/number_text.h"
#include "ui/common/secondary_window.h"

class QPushButton;

namespace dalvo::ui {

class PagePrinter;
class Prompts;
class StepGrid;

// A snapshot: the grid is filled by ShowAgeStructure and keeps its rows
// while the window is hidden, whatever the run does meanwhile.
class DataTableWindow : public SecondaryWindow {
    Q_OBJECT
public:
    DataTableWindow(Prompts& prompts, const History& history, NumberLocale locale, QWidget* parent = nullptr);

    // Rebuilds the whole grid from the run as it stands now.
    void ShowAgeStructure();

    const StepGrid& grid() const { return *MSFlexGrid1; }
    PagePrinter& pagePrinter() { return *printer_; }

signals:
    void ageDistributionRequested();
    void backToMainRequested();

private:
    const History& history_;
    PagePrinter* printer_ = nullptr;

    StepGrid* MSFlexGrid1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
};

}  // namespace dalvo::ui
