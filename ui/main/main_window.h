// The main window: the matrix, the vectors N(t) and N(t+1), the results and the Action buttons.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "model/matrix_grid.h"
#include "model/number_text.h"
#include "model/stepwise_run.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace dalvo::ui {

class ClickableLabel;
class ControlSet;
struct ControlSheet;
class PagePrinter;
class Prompts;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Shows `run` and everything that happens to it; `run` outlives the window.
    MainWindow(StepwiseRun& run, Prompts& prompts, QWidget* parent = nullptr);

    // Window loading: the ready-to-project state, step 0 recorded from the
    // design-time N(0), and the two notices filled in.
    void load();

    // One step N(t+1) = M x N(t); "Transit" takes the focus.
    void project();
    // N(t+1) becomes N(t); "Project" takes the focus.
    void transit();

    // A new run at step 0 from the default-values editor's numbers, with
    // "Project" given the focus.
    void startNewRun(const LeslieMatrix& matrix, const std::vector<double>& initial);

    // Every control of the window: its names, texts, place and font.
    static const ControlSheet& sheet();

    const StepwiseRun& run() const { return run_; }
    // The decimal separator the window writes its numbers with.
    const NumberLocale& locale() const { return locale_; }
    PagePrinter& pagePrinter() { return *printer_; }

signals:
    void introductionRequested();
    void howToRequested();
    void quizRequested();
    void editorRequested();
    void quitRequested();
    void graphRequested();
    void detailRequested();
    void saveRequested();
    void batchRequested();
    void outlookRequested();
    // "Own population" starts from this run; Ctrl+O first asks for a file.
    void ownPopulationRequested();
    void ownPopulationFileRequested();
    // The close box ends the whole program at once.
    void programEndRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTitleBand(const ControlSet& controls);
    void buildMatrixFrame(const ControlSet& controls);
    void buildResultRows(const ControlSet& controls);
    void buildActionFrame(const ControlSet& controls);

    void mirrorRun();
    void tickClock();

    StepwiseRun& run_;
    NumberLocale locale_;
    StepwiseRun::Subscription watch_;
    PagePrinter* printer_ = nullptr;

    ClickableLabel* titleLabel_ = nullptr;
    QLabel* editionLabel_ = nullptr;
    QLabel* clockLabel_ = nullptr;
    QTimer* clockTimer_ = nullptr;

    QGroupBox* matrixFrame_ = nullptr;
    std::array<QLineEdit*, kGridCells> matrixCells_{};
    std::array<QLineEdit*, 4> nowFields_{};
    QLabel* equalsSign_ = nullptr;
    std::array<QLineEdit*, 4> nextFields_{};
    QWidget* bracketLines_ = nullptr;
    ClickableLabel* projectArrow_ = nullptr;
    ClickableLabel* transitArrow_ = nullptr;

    QLabel* totalCaption_ = nullptr;
    QLineEdit* nowTotal_ = nullptr;
    QLineEdit* nextTotal_ = nullptr;
    QLabel* stepCaption_ = nullptr;
    QLineEdit* nowStep_ = nullptr;
    QLineEdit* nextStep_ = nullptr;
    QLabel* growthCaption_ = nullptr;
    QLineEdit* growthRate_ = nullptr;
    QLabel* guideLabel_ = nullptr;

    QGroupBox* actionFrame_ = nullptr;
    QPushButton* projectButton_ = nullptr;
    QPushButton* transitButton_ = nullptr;
    QPushButton* howToButton_ = nullptr;
    QPushButton* introButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* graphButton_ = nullptr;
    QPushButton* editorButton_ = nullptr;
    QPushButton* detailButton_ = nullptr;
    QPushButton* quizButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    QPushButton* batchButton_ = nullptr;
    QPushButton* outlookButton_ = nullptr;
    QPushButton* ownPopulationButton_ = nullptr;
};

}  // namespace dalvo::ui
