// The default-values editor dalvo3: where the student enters a matrix and N(0) and starts a new run.
#pragma once

#include <array>
#include <string>

#include "model/default_values.h"
#include "model/number_text.h"
#include "ui/common/secondary_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace dalvo::ui {

class DefaultEditor : public SecondaryWindow {
    Q_OBJECT
public:
    explicit DefaultEditor(NumberLocale locale, QWidget* parent = nullptr);

    // The texts of m1 and n0 as they stand.
    EditorTexts texts() const;

signals:
    // "Go Back" passed: the editor's texts are normalised and these are
    // they. The program hides the editor, shows the main window and starts
    // the new run there.
    void defaultsAccepted(std::array<std::string, 16> matrix, std::array<std::string, 4> initial);
    // "Quit": the program leaves through the about screen.
    void quitRequested();

private:
    void buildMessageRow();
    void buildGrid();
    void buildButtons();

    void goBack();
    void tryAgain();
    void showSurvivalMessage();

    NumberLocale locale_;

    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Command3 = nullptr;
    std::array<QLineEdit*, 16> m1{};
    std::array<QLineEdit*, 4> n0{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

}  // namespace dalvo::ui
