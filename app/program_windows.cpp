// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "app/program_windows.h"

#include <optional>
#include <vector>

#include "ui/startup/backdrop_window.h"
#include "ui/startup/title_window.h"
#include "ui/common/trailing_input_guard.h"
#include "ui/editor/new_run_editor.h"
#include "ui/main/file_commands.h"
#include "ui/main/main_window.h"
#include "ui/outlook/outlook_window.h"
#include "ui/own_population/own_population_window.h"
#include "ui/tables/table_window.h"
#include "ui/teaching/about_window.h"
#include "ui/teaching/dedication_window.h"
#include "ui/teaching/how_to_window.h"
#include "ui/teaching/introduction_window.h"
#include "ui/teaching/quiz_window.h"
#include "ui/teaching/references_window.h"
#include "ui/charts/chart_window.h"

namespace dalvo::app {

ProgramWindows::ProgramWindows(QObject* parent) : ProgramWindows(dialogPrompts_, parent) {}

ProgramWindows::ProgramWindows(ui::Prompts& prompts, QObject* parent)
    : QObject(parent),
      howTo(backToMainOnClose(&ProgramWindows::buildHowTo)),
      introduction(backToMainOnClose(&ProgramWindows::buildIntroduction)),
      references(backToMainOnClose(&ProgramWindows::buildReferences)),
      quiz(backToMainOnClose(&ProgramWindows::buildQuiz)),
      editor(backToMainOnClose(&ProgramWindows::buildEditor)),
      charts(backToMainOnClose(&ProgramWindows::buildCharts)),
      dataTable(backToMainOnClose(&ProgramWindows::buildDataTable)),
      ageDistribution(backToMainOnClose(&ProgramWindows::buildAgeDistribution)),
      about(backToMainOnClose(&ProgramWindows::buildAbout)),
      // The dedication is the last window: its close box ends the program,
      // so that no one is left with nothing but the backdrop.
      dedication([this] { return buildDedication(); }, [this] { endProgram(); }),
      outlook(backToMainOnClose(&ProgramWindows::buildOutlook)),
      ownPopulation(backToMainOnClose(&ProgramWindows::buildOwnPopulation)),
      prompts_(prompts),
      main_(std::make_unique<ui::MainWindow>(run_, prompts_)),
      backdrop_(std::make_unique<ui::BackdropWindow>()),
      title_(std::make_unique<ui::TitleWindow>())
{
    fileCommands_ = new ui::FileCommands(run_.history(), prompts_, main_.get());
    connectMainWindow();
    afterTitleScreen_ = new ui::TrailingInputGuard(main_.get());
    connect(title_.get(), &ui::TitleWindow::left, this, &ProgramWindows::leaveTitleScreen);
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start()
{
    backdrop_->showOverScreen();
    title_->showInFront();
    main_->hide();
    main_->load();
}

void ProgramWindows::connectMainWindow()
{
    ui::MainWindow* main = main_.get();
    connect(main, &ui::MainWindow::introductionRequested, this, [this] { openFromMain(introduction.get()); });
    connect(main, &ui::MainWindow::howToRequested, this, [this] { openFromMain(howTo.get()); });
    connect(main, &ui::MainWindow::quizRequested, this, [this] { openFromMain(quiz.get()); });
    connect(main, &ui::MainWindow::editorRequested, this, [this] {
        main_->hide();
        editor.get().show();
    });
    connect(main, &ui::MainWindow::quitRequested, this, [this] { showAbout(main_.get()); });
    connect(main, &ui::MainWindow::graphRequested, this, &ProgramWindows::openCharts);
    connect(main, &ui::MainWindow::detailRequested, this, &ProgramWindows::openDataTable);
    connect(main, &ui::MainWindow::outlookRequested, this, &ProgramWindows::openOutlook);
    connect(main, &ui::MainWindow::ownPopulationRequested, this, &ProgramWindows::openOwnPopulation);
    connect(main, &ui::MainWindow::ownPopulationFileRequested, this, &ProgramWindows::openOwnPopulationFile);
    connect(main, &ui::MainWindow::saveRequested, fileCommands_, &ui::FileCommands::saveRun);
    connect(main, &ui::MainWindow::batchRequested, fileCommands_, &ui::FileCommands::runBatchProjection);
    connect(main, &ui::MainWindow::programEndRequested, this, &ProgramWindows::endProgram);
}

void ProgramWindows::showMain()
{
    main_->show();
    main_->activateWindow();
}

// Leaving the title screen does nothing else: the second click of a
// double-click, or the repeats of a key held down, stay out of the main window.
void ProgramWindows::leaveTitleScreen(const ui::LeavingInput& input)
{
    showMain();
    afterTitleScreen_->arm(input);
}

void ProgramWindows::openFromMain(QWidget& window)
{
    window.show();
    main_->hide();
}

void ProgramWindows::backToMain(QWidget* from)
{
    from->hide();
    showMain();
}

void ProgramWindows::showAbout(QWidget* from)
{
    from->hide();
    about.get().show();
}

void ProgramWindows::openCharts()
{
    ui::ChartWindow& window = charts.get();
    window.graph();
    main_->hide();
    window.show();
}

void ProgramWindows::openDataTable()
{
    ui::TableWindow& window = dataTable.get();
    window.resetView();
    window.show();
    main_->hide();
}

void ProgramWindows::openOutlook()
{
    ui::OutlookWindow& window = outlook.get();
    window.show();
    main_->hide();
}

// A window hidden earlier comes back as the student left it; a new one
// starts from the main window's matrix and N(0).
void ProgramWindows::openOwnPopulation()
{
    ui::OwnPopulationWindow& window = ownPopulation.get();
    window.show();
    main_->hide();
}

// Nothing opens until a file has been chosen and read.
void ProgramWindows::openOwnPopulationFile()
{
    const std::optional<OwnPopulation> opened = ui::OwnPopulationWindow::openPopulationFile(prompts_, main_.get());
    if (!opened)
        return;
    ui::OwnPopulationWindow& window = ownPopulation.get();
    window.showPopulation(*opened);
    window.show();
    main_->hide();
}

ui::HowToWindow* ProgramWindows::buildHowTo()
{
    auto* window = new ui::HowToWindow();
    connect(window, &ui::HowToWindow::goBackRequested, this, [this, window] { backToMain(window); });
    return window;
}

ui::IntroductionWindow* ProgramWindows::buildIntroduction()
{
    auto* window = new ui::IntroductionWindow();
    connect(window, &ui::IntroductionWindow::goBackRequested, this, [this, window] { backToMain(window); });
    connect(window, &ui::IntroductionWindow::referencesRequested, this, [this, window] {
        window->hide();
        references.get().show();
    });
    return window;
}

ui::ReferencesWindow* ProgramWindows::buildReferences()
{
    auto* window = new ui::ReferencesWindow();
    connect(window, &ui::ReferencesWindow::goBackRequested, this, [this, window] { backToMain(window); });
    connect(window, &ui::ReferencesWindow::backgroundClicked, this, [this, window] {
        showMain();
        window->hide();
    });
    return window;
}

ui::QuizWindow* ProgramWindows::buildQuiz()
{
    auto* window = new ui::QuizWindow();
    connect(window, &ui::QuizWindow::goBackRequested, this, [this, window] { backToMain(window); });
    return window;
}

ui::NewRunEditor* ProgramWindows::buildEditor()
{
    auto* window = new ui::NewRunEditor(main_->locale());
    connect(window, &ui::NewRunEditor::defaultsAccepted, this, [this, window](const NewRun& run) {
        window->hide();
        showMain();
        main_->startNewRun(run.matrix, run.initial);
    });
    connect(window, &ui::NewRunEditor::quitRequested, this, [this, window] { showAbout(window); });
    return window;
}

ui::ChartWindow* ProgramWindows::buildCharts()
{
    auto* window = new ui::ChartWindow(run_, prompts_);
    connect(window, &ui::ChartWindow::goBackRequested, this, [this, window] {
        showMain();
        window->hide();
    });
    connect(window, &ui::ChartWindow::quitRequested, this, [this, window] { showAbout(window); });
    return window;
}

ui::TableWindow* ProgramWindows::buildDataTable()
{
    auto* window = new ui::TableWindow(AgeColumns::Numbers, run_, main_->locale(), prompts_);
    connect(window, &ui::TableWindow::otherTableRequested, this, [this, window] {
        ui::TableWindow& next = ageDistribution.get();
        next.resetView();
        next.show();
        window->hide();
    });
    connect(window, &ui::TableWindow::backToMainRequested, this, [this, window] { backToMain(window); });
    return window;
}

ui::TableWindow* ProgramWindows::buildAgeDistribution()
{
    auto* window = new ui::TableWindow(AgeColumns::Proportions, run_, main_->locale(), prompts_);
    connect(window, &ui::TableWindow::backToMainRequested, this,
            [this, window] { backToMain(window); });
    connect(window, &ui::TableWindow::otherTableRequested, this, [this, window] {
        // The detail table comes back as it was left.
        ui::TableWindow& table = dataTable.get();
        table.show();
        window->hide();
    });
    return window;
}

ui::AboutWindow* ProgramWindows::buildAbout()
{
    auto* window = new ui::AboutWindow();
    connect(window, &ui::AboutWindow::dedicationRequested, this, [this, window] {
        window->hide();
        dedication.get().show();
    });
    return window;
}

ui::DedicationWindow* ProgramWindows::buildDedication()
{
    auto* window = new ui::DedicationWindow();
    connect(window, &ui::DedicationWindow::programEndRequested, this, &ProgramWindows::endProgram);
    return window;
}

ui::OutlookWindow* ProgramWindows::buildOutlook()
{
    auto* window = new ui::OutlookWindow(prompts_, main_->locale());
    window->follow(run_);
    connect(window, &ui::OutlookWindow::backToMainRequested, this, [this, window] { backToMain(window); });
    return window;
}

ui::OwnPopulationWindow* ProgramWindows::buildOwnPopulation()
{
    auto* window = new ui::OwnPopulationWindow(prompts_, main_->locale());
    const History& steps = run_.history();
    OwnPopulation fromRun;
    fromRun.matrix = run_.matrix();
    fromRun.initial = steps.stepCount() >= 0 ? steps.step(0).counts : run_.now();
    window->showPopulation(fromRun);
    connect(window, &ui::OwnPopulationWindow::backToMainRequested, this, [this, window] { backToMain(window); });
    // The editor's OK starts the run in the main window, as it always does.
    connect(window, &ui::OwnPopulationWindow::useInMainWindowRequested, this,
            [this, window](const LeslieMatrix& matrix, const std::vector<double>& initial) {
                ui::NewRunEditor& next = editor.get();
                next.showRun(matrix, initial);
                window->hide();
                next.show();
            });
    return window;
}

void ProgramWindows::endProgram()
{
    emit programEnded();
}

}  // namespace dalvo::app
