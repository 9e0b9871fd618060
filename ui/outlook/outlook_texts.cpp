// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/outlook/outlook_texts.h"

#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "ui/common/messages.h"

namespace dalvo::ui {

QString OutlookTexts::number(double value, int significantDigits) const
{
    return toQString(formatSignificant(value, significantDigits, locale_));
}

QString OutlookTexts::fixed(double value, int decimals) const
{
    return toQString(formatFixed(value, decimals, locale_));
}

QStringList OutlookTexts::ageHeadings(int classes)
{
    QStringList ages;
    for (int age = 0; age < classes; ++age)
        ages << tr("Age %1").arg(age);
    return ages;
}

QStringList OutlookTexts::byAgeHeadings()
{
    return {tr("Stable\ndistribution"), tr("Reproductive\nvalue")};
}

QString OutlookTexts::sensitivityMeaning()
{
    return tr("The sensitivity of λ to an entry of the matrix says how much λ changes "
              "when that entry changes by a small amount; the elasticity says the same "
              "in proportions: by what share λ changes when the entry changes by a "
              "small share. Empty cells are not part of a Leslie matrix.");
}

QString OutlookTexts::byAgeEmpty()
{
    return tr("By age: empty, as λ = 0");
}

QString OutlookTexts::sensitivityEmpty()
{
    return tr("Sensitivity of λ: empty, as λ = 0");
}

QString OutlookTexts::elasticityEmpty()
{
    return tr("Elasticity of λ: empty, as λ = 0");
}

OutlookSentences OutlookTexts::failure(const QString& reason) const
{
    return {.lambda = tr("The long-term outlook cannot be worked out."), .growth = reason};
}

OutlookSentences OutlookTexts::sentences(const LongTermOutlook& o, const LeslieMatrix* matrix,
                                         std::span<const double> initial) const
{
    OutlookSentences said;
    if (o.diesOut()) {
        said.lambda = tr("λ = 0");
        said.growth = tr("No age class both lives long enough and has young: the population dies out "
                         "within %1 time intervals, whatever its start.")
                          .arg(o.classes);
        said.reproduction = tr("Net reproductive rate R0 = 0.");
        return said;
    }

    const double r = *o.growthExponent;
    said.lambda = tr("λ = %1, and r = ln λ = %2").arg(number(o.lambda, 6), number(r, 6));
    said.growth = growth(o);
    if (matrix && !initial.empty() && !startHasFutureBreeders(*matrix, initial))
        said.start = tr("But no one in this start will ever have young, so this start dies out within "
                        "%1 intervals, whatever λ says.")
                         .arg(o.classes);
    said.settling = settling(o, matrix);
    said.secondRoot = secondRoot(o);

    const QString r0 = number(o.netReproductiveRate, 6);
    said.reproduction = tr("Net reproductive rate R0 = %1; generation time %2 intervals. Each newborn "
                           "leaves on average %1 newborns in its life, and in one generation time the "
                           "population changes by the factor R0.")
                            .arg(r0, fixed(*o.generationTime, 2));
    return said;
}

QString OutlookTexts::growth(const LongTermOutlook& o) const
{
    const double percent = o.percentChangePerInterval();
    const QString percentText = fixed(percent, decimalsFor(percent, 2, 1));
    const QString timesToDoubleOrHalve = fixed(o.doublingOrHalvingTime().value_or(0), 1);
    if (o.lambda >= 1000) {
        // Words for the powers of ten a student can picture; beyond them the power itself.
        static const char* const kPowers[] = {
            QT_TR_NOOP("a thousand"),         QT_TR_NOOP("ten thousand"),     QT_TR_NOOP("a hundred thousand"),
            QT_TR_NOOP("a million"),          QT_TR_NOOP("ten million"),      QT_TR_NOOP("a hundred million"),
            QT_TR_NOOP("a billion"),          QT_TR_NOOP("ten billion"),      QT_TR_NOOP("a hundred billion"),
            QT_TR_NOOP("a trillion"),         QT_TR_NOOP("ten trillion"),     QT_TR_NOOP("a hundred trillion")};
        const int power = nearestPowerOfTen(o.lambda);
        const QString factor = power - 3 < static_cast<int>(std::size(kPowers))
                                   ? tr(kPowers[power - 3])
                                   : tr("ten to the power %1").arg(power);
        return tr("In the long run the population multiplies by about %1 each time interval.").arg(factor);
    }
    if (o.lambda >= 2)
        return tr("In the long run the population multiplies by about %1 each time interval.")
            .arg(number(o.lambda, 2));
    if (o.lambda > 1)
        return tr("In the long run the population grows by %1 % per time interval and doubles "
                  "every %2 intervals.")
            .arg(percentText, timesToDoubleOrHalve);
    if (o.lambda > 0.5)
        return tr("In the long run the population shrinks by %1 % per time interval and halves "
                  "every %2 intervals: it dies out.")
            .arg(percentText, timesToDoubleOrHalve);
    if (o.lambda < 1) {
        const double left = o.lambda * 100;
        return tr("In the long run the population shrinks to about %1 % of its size each time "
                  "interval: it dies out.")
            .arg(fixed(left, decimalsFor(left, 2, 1)));
    }
    return tr("In the long run the population keeps its size.");
}

QString OutlookTexts::settling(const LongTermOutlook& o, const LeslieMatrix* matrix) const
{
    QString text;
    if (!o.settles()) {
        text = tr("The numbers cycle with period %1: the growth rate and the age distribution never settle but "
                  "repeat every %1 intervals, while the population changes on average by the factor λ each "
                  "interval.")
                   .arg(*o.period);
    } else if (o.dampingRatio && o.alternates()) {
        text = tr("Differences from the stable distribution shrink by a factor %1 each interval; the numbers "
                  "alternate up and down from one interval to the next while they settle.")
                   .arg(dampingRatio(*o.dampingRatio));
    } else if (o.dampingRatio && o.oscillationPeriod) {
        text = tr("Differences from the stable distribution shrink by a factor %1 each interval; they swing with "
                  "a period of about %2 intervals.")
                   .arg(dampingRatio(*o.dampingRatio), fixed(*o.oscillationPeriod, 1));
    } else if (o.dampingRatio) {
        text = tr("Differences from the stable distribution shrink by a factor %1 each interval, without "
                  "swinging.")
                   .arg(dampingRatio(*o.dampingRatio));
    } else if (matrix && onlyYoungestClassBreeds(*matrix)) {
        text = tr("Only the youngest class has young, so the age distribution is stable after at most %1 "
                  "intervals, whatever the start.")
                   .arg(o.classes);
    } else {
        text = tr("Only the youngest class has young that ever reach an age to count, so the age distribution is "
                  "stable after at most %1 intervals, whatever the start.")
                   .arg(o.classes);
    }
    if (o.dampingRatio && o.settles() && intervalsToShrinkTenfold(*o.dampingRatio) > kSlowSettling)
        text += QLatin1Char(' ') + tr("That is very slow: the differences take about %1 intervals to shrink to a "
                                      "tenth.")
                                       .arg(number(intervalsToShrinkTenfold(*o.dampingRatio), 2));
    return text;
}

QString OutlookTexts::secondRoot(const LongTermOutlook& o) const
{
    if (o.eigenvalues.size() < 2)
        return tr("The matrix has no eigenvalue besides λ.");
    // Digits enough for λ / |λ2| to be worked out again from what is shown.
    const int digits = o.dampingRatio ? std::clamp(dampingRatioDecimals(*o.dampingRatio) + 3, 6, 15) : 6;
    const std::complex<double> second = o.eigenvalues[1];
    const QString modulus = number(std::abs(second), digits);
    if (o.dampingRatio)
        return tr("The next largest eigenvalue is λ2 = %1, with |λ2| = %2; the damping ratio "
                  "is λ\u00a0/\u00a0|λ2| = %3\u00a0/\u00a0%2 = %4.")
            .arg(complexNumber(second, digits), modulus, number(o.lambda, digits), dampingRatio(*o.dampingRatio));
    if (!o.settles())
        return tr("The next largest eigenvalue is λ2 = %1, with |λ2| = %2 = λ: nothing damps "
                  "the cycle.")
            .arg(complexNumber(second, digits), modulus);
    return tr("Every other eigenvalue is 0.");
}

// Digits enough that a ratio near 1 does not read as 1, and no more than a
// double holds for a very large one.
QString OutlookTexts::dampingRatio(double ratio) const
{
    if (ratio >= 1e6)
        return number(ratio, 7);
    return fixed(ratio, dampingRatioDecimals(ratio));
}

// A part too small to show among `digits` digits of the modulus shows as 0:
// its digits would be rounding noise.
QString OutlookTexts::complexNumber(std::complex<double> value, int digits) const
{
    const double unseen = std::abs(value) * std::pow(10.0, -digits);
    value = {std::abs(value.real()) < unseen ? 0 : value.real(),
             std::abs(value.imag()) < unseen ? 0 : value.imag()};
    if (value.imag() == 0)
        return number(value.real(), digits);
    const QString imaginary = number(std::abs(value.imag()), digits);
    return value.imag() > 0 ? tr("%1 + %2i").arg(number(value.real(), digits), imaginary)
                            : tr("%1 − %2i").arg(number(value.real(), digits), imaginary);
}

QString OutlookTexts::list(const std::vector<double>& values) const
{
    QStringList texts;
    for (double value : values)
        texts << toQString(formatGeneral(value, locale_));
    return texts.join(locale_.decimalSeparator == "," ? QStringLiteral("; ") : QStringLiteral(", "));
}

QTableWidget* makeNumberGrid(QWidget* parent, int rows, int columns)
{
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves on to the next control instead of round the cells forever.
    grid->setTabKeyNavigation(false);
    return grid;
}

void setNumberCell(QTableWidget* grid, int row, int column, const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->setItem(row, column, item);
}

void fillMatrixGrid(QTableWidget* grid, const std::vector<double>& fecundity, const std::vector<double>& survival,
                    const OutlookTexts& texts)
{
    const int size = std::min(grid->rowCount(), grid->columnCount());
    for (int j = 0; j < size && j < static_cast<int>(fecundity.size()); ++j)
        setNumberCell(grid, 0, j, texts.number(fecundity[j], 5));
    for (int j = 0; j + 1 < size && j < static_cast<int>(survival.size()); ++j)
        setNumberCell(grid, j + 1, j, texts.number(survival[j], 5));
}

}  // namespace dalvo::ui
