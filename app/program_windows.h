// Owns the program's windows and the ways between them.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QObject>
#include <memory>

#include "app/window_slot.h"
#include "model/history.h"
#include "model/stepwise_run.h"
#include "ui/common/prompts.h"

namespace dalvo::ui {
class AboutWindow;
class BackdropWindow;
class ChartWindow;
class DedicationWindow;
class NewRunEditor;
class FileCommands;
class HowToWindow;
class IntroductionWindow;
class MainWindow;
class OutlookWindow;
class OwnPopulationWindow;
class QuizWindow;
class ReferencesWindow;
class TableWindow;
class TitleWindow;
class TrailingInputGuard;
struct LeavingInput;
}  // namespace dalvo::ui

namespace dalvo::app {

// The main window, the backdrop and the title screen live as long as the
// program. Every other window is built on first use, hidden and shown again
// with its contents intact, destroyed by its close box and built afresh on
// its next use.
class ProgramWindows : public QObject {
    Q_OBJECT
public:
    // Asks the student with the real dialogs.
    explicit ProgramWindows(QObject* parent = nullptr);
    // Asks through `prompts` instead, which must outlive the windows.
    explicit ProgramWindows(ui::Prompts& prompts, QObject* parent = nullptr);
    ~ProgramWindows() override;

    // The start-up sequence: backdrop, title screen in front of it, and the
    // main window loaded but hidden until the title screen is left.
    void start();

    ui::MainWindow& mainWindow() { return *main_; }
    ui::BackdropWindow& backdrop() { return *backdrop_; }
    ui::TitleWindow& titleScreen() { return *title_; }
    ui::FileCommands& fileCommands() { return *fileCommands_; }
    // The one run of the program: the main window steps it, every other window reads it.
    const StepwiseRun& run() const { return run_; }
    const History& history() const { return run_.history(); }

    WindowSlot<ui::HowToWindow> howTo;
    WindowSlot<ui::IntroductionWindow> introduction;
    WindowSlot<ui::ReferencesWindow> references;
    WindowSlot<ui::QuizWindow> quiz;
    WindowSlot<ui::NewRunEditor> editor;
    WindowSlot<ui::ChartWindow> charts;
    WindowSlot<ui::TableWindow> dataTable;
    WindowSlot<ui::TableWindow> ageDistribution;
    WindowSlot<ui::AboutWindow> about;
    WindowSlot<ui::DedicationWindow> dedication;
    WindowSlot<ui::OutlookWindow> outlook;
    WindowSlot<ui::OwnPopulationWindow> ownPopulation;

signals:
    // The student ended the program; main() leaves its event loop at once.
    void programEnded();

private:
    // A window whose close box leads back to the main window.
    template <class Window>
    WindowSlot<Window> backToMainOnClose(Window* (ProgramWindows::*build)())
    {
        return WindowSlot<Window>([this, build] { return (this->*build)(); }, [this] { showMain(); });
    }

    ui::HowToWindow* buildHowTo();
    ui::IntroductionWindow* buildIntroduction();
    ui::ReferencesWindow* buildReferences();
    ui::QuizWindow* buildQuiz();
    ui::NewRunEditor* buildEditor();
    ui::ChartWindow* buildCharts();
    ui::TableWindow* buildDataTable();
    ui::TableWindow* buildAgeDistribution();
    ui::AboutWindow* buildAbout();
    ui::DedicationWindow* buildDedication();
    ui::OutlookWindow* buildOutlook();
    ui::OwnPopulationWindow* buildOwnPopulation();

    void connectMainWindow();
    void showMain();
    void leaveTitleScreen(const ui::LeavingInput& input);
    void openFromMain(QWidget& window);
    void backToMain(QWidget* from);
    void showAbout(QWidget* from);
    void openCharts();
    void openDataTable();
    void openOutlook();
    void openOwnPopulation();
    void openOwnPopulationFile();
    void endProgram();

    ui::DialogPrompts dialogPrompts_;
    ui::Prompts& prompts_;
    StepwiseRun run_;
    std::unique_ptr<ui::MainWindow> main_;
    std::unique_ptr<ui::BackdropWindow> backdrop_;
    std::unique_ptr<ui::TitleWindow> title_;
    ui::FileCommands* fileCommands_ = nullptr;
    ui::TrailingInputGuard* afterTitleScreen_ = nullptr;
};

}  // namespace dalvo::app
