// The "Own population" window: a population of any size entered or opened on the left, studied in four tabs on the right.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "model/number_text.h"
#include "model/own_population.h"
#include "ui/common/secondary_window.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace dalvo::ui {

class ChanceTab;
class LifeTableTab;
class OutlookTab;
class PagePrinter;
class PopulationEntry;
class ProjectionTab;
class Prompts;
class StudyTab;
struct ControlSheet;

class OwnPopulationWindow : public SecondaryWindow {
    Q_OBJECT
public:
    OwnPopulationWindow(Prompts& prompts, NumberLocale locale, QWidget* parent = nullptr);

    // Every control of the window: its names, texts, place and font.
    static const ControlSheet& sheet();

    // Shows `population` afresh: the entries, every tab, and no what-if line.
    void showPopulation(const OwnPopulation& population);
    const OwnPopulation& population() const { return population_; }
    const PopulationStudy& study() const { return study_; }

    // Asks `prompts` for a file and reads a population from it. Empty when
    // the student cancels, or when the file cannot be read: then the student
    // has been told what is wrong and what to do.
    static std::optional<OwnPopulation> openPopulationFile(Prompts& prompts, QWidget* asker);

    PagePrinter& pagePrinter() { return *printer_; }

signals:
    void backToMainRequested();
    // "Use in the main window": a four-class matrix and its N(0) for the default-values editor.
    void useInMainWindowRequested(const dalvo::LeslieMatrix& matrix, const std::vector<double>& initial);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void restudy();
    void entryChanged();
    void showWhatIf(const std::optional<LongTermOutlook>& before, const LeslieMatrix& beforeMatrix);
    void showUseButton();
    void open();
    void save();

    Prompts& prompts_;
    NumberLocale locale_;
    OwnPopulation population_;
    PopulationStudy study_;
    PagePrinter* printer_ = nullptr;

    PopulationEntry* entry_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    ProjectionTab* projectionTab_ = nullptr;
    OutlookTab* outlookTab_ = nullptr;
    LifeTableTab* lifeTableTab_ = nullptr;
    ChanceTab* chanceTab_ = nullptr;
    std::vector<StudyTab*> studyTabs_;
    QLabel* whatIfLabel_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* useButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* goBackButton_ = nullptr;
};

}  // namespace dalvo::ui
