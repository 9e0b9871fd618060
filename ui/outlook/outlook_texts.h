// The long-term outlook told in sentences and laid out in grids, for the outlook window and the "Own population" window alike.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <complex>
#include <span>
#include <utility>
#include <vector>

#include "model/leslie_matrix.h"
#include "model/long_term_outlook.h"
#include "model/number_text.h"

class QTableWidget;
class QWidget;

namespace dalvo::ui {

// One sentence per line of the outlook; a sentence that does not apply is empty.
struct OutlookSentences {
    QString lambda;
    QString growth;
    QString start;
    QString settling;
    QString secondRoot;
    QString reproduction;
};

// The texts keep the outlook window's translation context: both windows say the same things.
class OutlookTexts {
    Q_DECLARE_TR_FUNCTIONS(dalvo::ui::OutlookWindow)
public:
    explicit OutlookTexts(NumberLocale locale) : locale_(std::move(locale)) {}

    // `matrix` and `initial` add what only they tell: whether the start ever
    // has young, and which way the distribution settles without a damping
    // ratio. Either may be left out.
    OutlookSentences sentences(const LongTermOutlook& outlook, const LeslieMatrix* matrix,
                               std::span<const double> initial) const;
    // The first two lines of an outlook that cannot be worked out.
    OutlookSentences failure(const QString& reason) const;

    // "Age 0", "Age 1", ... for the rows and columns of the grids.
    static QStringList ageHeadings(int classes);
    // The by-age table's columns: stable distribution and reproductive value.
    static QStringList byAgeHeadings();
    // What sensitivities and elasticities mean, said beside their grids.
    static QString sensitivityMeaning();
    // The captions of the by-age table and the two grids when λ = 0 leaves them empty.
    static QString byAgeEmpty();
    static QString sensitivityEmpty();
    static QString elasticityEmpty();

    QString number(double value, int significantDigits) const;
    QString fixed(double value, int decimals) const;
    QString dampingRatio(double ratio) const;
    QString complexNumber(std::complex<double> value, int digits) const;
    // Separated by semicolons where a comma is the decimal separator.
    QString list(const std::vector<double>& values) const;
    const NumberLocale& locale() const { return locale_; }

private:
    QString growth(const LongTermOutlook& outlook) const;
    QString settling(const LongTermOutlook& outlook, const LeslieMatrix* matrix) const;
    QString secondRoot(const LongTermOutlook& outlook) const;

    NumberLocale locale_;
};

// A read-only grid of numbers, sized to its parent by rows and columns.
QTableWidget* makeNumberGrid(QWidget* parent, int rows, int columns);
void setNumberCell(QTableWidget* grid, int row, int column, const QString& text);
// Laid out like the matrix: fecundities on the first row, survival rates
// below the diagonal, and nothing where the matrix holds no entry.
void fillMatrixGrid(QTableWidget* grid, const std::vector<double>& fecundity, const std::vector<double>& survival,
                    const OutlookTexts& texts);

}  // namespace dalvo::ui
