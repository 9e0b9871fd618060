// The "Long-term outlook" window: where the run of the main window's matrix settles, and why.
#pragma once

#include <optional>

#include "model/leslie_matrix.h"
#include "model/long_term_outlook.h"
#include "model/number_text.h"
#include "model/result.h"
#include "ui/common/secondary_window.h"

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
    // in words and leaves every number blank.
    void showMatrix(const Result<LeslieMatrix>& matrix);

    // Every control of the window: its names, texts, place and font.
    static const ControlSheet& sheet();

    PagePrinter& pagePrinter() { return *printer_; }

signals:
    void backToMainRequested();

private:
    void saveAnalysis();
    void showSentences(const LongTermOutlook& outlook);
    void fillByAge(const LongTermOutlook& outlook);
    void fillMatrixGrid(QTableWidget* grid, const std::vector<double>& fecundity,
                        const std::vector<double>& survival);
    void clearNumbers();
    QString number(double value, int significantDigits) const;
    QString fixed(double value, int decimals) const;

    Prompts& prompts_;
    NumberLocale locale_;
    std::optional<LongTermOutlook> outlook_;
    PagePrinter* printer_ = nullptr;

    QLabel* lambdaLabel_ = nullptr;
    QLabel* growthLabel_ = nullptr;
    QLabel* settlingLabel_ = nullptr;
    QLabel* reproductionLabel_ = nullptr;
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
};

}  // namespace dalvo::ui
