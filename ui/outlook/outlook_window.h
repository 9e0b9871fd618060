// The "Long-term outlook" window: where the run of the main window's matrix settles, and why.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QString>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "model/leslie_matrix.h"
#include "model/long_term_outlook.h"
#include "model/number_text.h"
#include "model/result.h"
#include "model/stepwise_run.h"
#include "ui/common/secondary_window.h"
#include "ui/outlook/outlook_texts.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace dalvo::ui {

class PagePrinter;
class Prompts;
struct ControlSheet;

class OutlookWindow : public SecondaryWindow {
    Q_OBJECT
public:
    OutlookWindow(Prompts& prompts, NumberLocale locale, QWidget* parent = nullptr);

    // Works the outlook out afresh; a matrix it cannot analyse is explained
    // in words and leaves every number blank. `initial` is N(0) of the run,
    // shown beside the matrix and checked for individuals that will ever
    // have young; without it neither is said.
    void showMatrix(const Result<LeslieMatrix>& matrix, std::span<const double> initial = {});
    // Shows the outlook of `run`'s matrix and N(0), and again whenever either changes.
    void follow(const StepwiseRun& run);

    // Every control of the window: its names, texts, place and font.
    static const ControlSheet& sheet();

    PagePrinter& pagePrinter() { return *printer_; }

signals:
    void backToMainRequested();

private:
    void keepSource(std::optional<LeslieMatrix> matrix, std::span<const double> initial);
    void showOutlook(const Result<LongTermOutlook>& outlook);
    void saveAnalysis();
    void showSentences(const LongTermOutlook& outlook);
    void showSentenceLabels(const OutlookSentences& said);
    void showSource();
    void fillByAge(const LongTermOutlook& outlook);
    void clearNumbers();

    Prompts& prompts_;
    OutlookTexts texts_;
    std::optional<LongTermOutlook> outlook_;
    std::optional<LeslieMatrix> matrix_;
    std::vector<double> initial_;
    int shownGeneration_ = -1;
    StepwiseRun::Subscription watch_;
    PagePrinter* printer_ = nullptr;

    QLabel* lambdaLabel_ = nullptr;
    QLabel* growthLabel_ = nullptr;
    QLabel* startLabel_ = nullptr;
    QLabel* settlingLabel_ = nullptr;
    QLabel* secondRootLabel_ = nullptr;
    QLabel* reproductionLabel_ = nullptr;
    QLabel* sourceLabel_ = nullptr;
    QLabel* byAgeCaption_ = nullptr;
    QLabel* meaningLabel_ = nullptr;
    QTableWidget* byAgeTable_ = nullptr;
    QLabel* sensitivityCaption_ = nullptr;
    QTableWidget* sensitivityGrid_ = nullptr;
    QLabel* elasticityCaption_ = nullptr;
    QTableWidget* elasticityGrid_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* goBackButton_ = nullptr;
    // The grids' captions as built; a matrix whose grids stay empty says why in them.
    std::vector<std::pair<QLabel*, QString>> captions_;
};

}  // namespace dalvo::ui
