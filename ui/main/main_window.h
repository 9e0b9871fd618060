// The main window frmForm1: the matrix, the vectors N(t) and N(t+1), the results and the Action buttons.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "model/history.h"
#include "model/main_form_model.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace dalvo::ui {

class ClickableLabel;
class PagePrinter;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(History& history, QWidget* parent = nullptr);

    // Window loading: the ready-to-project state, step 0 recorded from the
    // design-time N(0), and the two notices filled in.
    void load();

    void InitialCal();
    void Projection();
    void Transition();

    // A program write of a matrix cell; a changed text runs the
    // matrix-change handler.
    void setMatrixCell(int index, const QString& text);

    // A new run at step 0 from the default-values editor's normalised texts,
    // with "Project" given the focus.
    void startNewRun(const std::array<std::string, 16>& matrix, const std::array<std::string, 4>& initial);

    const MainFormModel& model() const { return model_; }
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
    // The close box ends the whole program at once.
    void programEndRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTitleBand();
    void buildMatrixFrame();
    void buildResultRows();
    void buildActionFrame();
    void buildBatchButton();

    void mirrorModel();
    void tickClock();

    MainFormModel model_;
    PagePrinter* printer_ = nullptr;

    ClickableLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label13 = nullptr;
    QTimer* Timer1 = nullptr;

    QGroupBox* Frame1 = nullptr;
    std::array<QLineEdit*, 16> m{};
    std::array<QLineEdit*, 4> n1{};
    std::array<QLineEdit*, 4> n2{};
    ClickableLabel* Project = nullptr;
    ClickableLabel* Transit = nullptr;

    QLineEdit* total1 = nullptr;
    QLineEdit* total2 = nullptr;
    QLineEdit* txtSimu0 = nullptr;
    QLineEdit* txtSimuT = nullptr;
    QLineEdit* growrate = nullptr;
    QLabel* Label14 = nullptr;

    QGroupBox* Frame2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command12 = nullptr;
};

}  // namespace dalvo::ui
