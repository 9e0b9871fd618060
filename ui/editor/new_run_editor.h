// The editor of a new run ("Change default values"): the student enters a matrix and N(0) and starts it.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/default_values.h"
#include "model/number_text.h"
#include "ui/common/secondary_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace dalvo::ui {

class ControlSet;
struct ControlSheet;

class NewRunEditor : public SecondaryWindow {
    Q_OBJECT
public:
    explicit NewRunEditor(NumberLocale locale, QWidget* parent = nullptr);

    // Every control of the window: its names, texts, place and font.
    static const ControlSheet& sheet();

    // Writes a four-class matrix and its N(0) into the cells, as if typed;
    // any other size leaves the cells as they are.
    void showRun(const LeslieMatrix& matrix, const std::vector<double>& initial);

    // The texts of the matrix and N(0) cells as they stand.
    EditorTexts texts() const;

signals:
    // "Go Back" passed: the editor's texts are normalised and `run` holds
    // their numbers. The program hides the editor, shows the main window and
    // starts the new run there.
    void defaultsAccepted(dalvo::NewRun run);
    // "Quit": the program leaves through the about screen.
    void quitRequested();

private:
    void buildMessageRow(const ControlSet& controls);
    void buildGrid(const ControlSet& controls);
    void buildButtons(const ControlSet& controls);

    void goBack();
    void tryAgain();
    void showSurvivalMessage();

    NumberLocale locale_;

    QLabel* mottoLabel_ = nullptr;
    QLabel* survivalMessage_ = nullptr;
    QPushButton* tryAgainButton_ = nullptr;
    std::array<QLineEdit*, 16> matrixCells_{};
    std::array<QLineEdit*, 4> initialCells_{};
    QWidget* bracketLines_ = nullptr;
    QPushButton* goBackButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
};

}  // namespace dalvo::ui
