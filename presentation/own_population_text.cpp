// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "presentation/own_population_text.h"

#include <cmath>
#include <cstddef>

namespace dalvo {

namespace {

// A derivation is read, not computed with: five digits show how the entry
// comes about without drowning it in noise.
constexpr int kDerivationDigits = 5;
constexpr int kLambdaDecimals = 4;

// The life table's columns are read to six digits; the projection's numbers
// and totals to the hundredth and its growth rates to four places, as the
// run's own tables.
constexpr int kLifeTableDigits = 6;
constexpr int kNumberDecimals = 2;
constexpr int kGrowthRateDecimals = 4;

std::string shown(double value, const NumberLocale& locale)
{
    return formatSignificant(value, kDerivationDigits, locale);
}

std::string index(int value)
{
    return formatGeneral(value, kPeriodNumbers);
}

// A product or quotient with its symbols, its numbers and the result:
// "F(2) = l(1) × m(3) = 0.424 × 2.065 = 0.87556".
std::string derivation(const std::string& entry, const std::string& left, double leftValue, const char* operation,
                       const std::string& right, double rightValue, double result, const NumberLocale& locale)
{
    const std::string op = std::string(" ") + operation + " ";
    return entry + " = " + left + op + right + " = " + shown(leftValue, locale) + op + shown(rightValue, locale) +
           " = " + shown(result, locale);
}

// The census's matrix of the table, when `index` is one of its classes.
std::optional<LeslieMatrix> matrixHolding(const LifeTable& table, Census census, int index)
{
    Result<LeslieMatrix> matrix = matrixFromLifeTable(table, census);
    if (!matrix || index < 0 || index >= matrix->classes())
        return std::nullopt;
    return std::move(matrix.value());
}

std::string signedFixed(double value, int decimals, const NumberLocale& locale)
{
    const double rounded = roundToDecimals(value, decimals);
    // A change that rounds to nothing has no direction to show.
    if (rounded == 0.0)
        return formatFixed(0.0, decimals, locale);
    return (rounded > 0 ? "+" : "") + formatFixed(rounded, decimals, locale);
}

std::string optionalText(const std::optional<double>& value, const NumberLocale& locale)
{
    return value ? formatSignificant(*value, kLifeTableDigits, locale) : std::string();
}

template <typename T>
const T* at(const std::vector<T>& values, std::size_t index)
{
    return index < values.size() ? &values[index] : nullptr;
}

}  // namespace

std::string fecundityDerivation(const LifeTable& table, Census census, int j, const NumberLocale& locale)
{
    const std::optional<LeslieMatrix> matrix = matrixHolding(table, census, j);
    if (!matrix || j + 1 >= table.ages())
        return {};
    const auto x = static_cast<std::size_t>(j);
    const double result = matrix->fecundity[x];
    const std::string entry = "F(" + index(j) + ")";
    const std::string births = "m(" + index(j + 1) + ")";
    if (census == Census::PreBreeding)
        return derivation(entry, "l(1)", table.survivorship[1], "×", births, table.fecundity[x + 1], result, locale);
    // After breeding the newborn of class j come from those that survive into class j + 1.
    const double survival = table.survivorship[x + 1] / table.survivorship[x];
    return derivation(entry, "P(" + index(j) + ")", survival, "×", births, table.fecundity[x + 1], result, locale);
}

std::string survivalDerivation(const LifeTable& table, Census census, int j, const NumberLocale& locale)
{
    const std::optional<LeslieMatrix> matrix = matrixHolding(table, census, j);
    const int older = census == Census::PreBreeding ? j + 2 : j + 1;
    if (!matrix || j >= static_cast<int>(matrix->survival.size()) || older >= table.ages())
        return {};
    const double result = matrix->survival[static_cast<std::size_t>(j)];
    return derivation("P(" + index(j) + ")", "l(" + index(older) + ")",
                      table.survivorship[static_cast<std::size_t>(older)], "/", "l(" + index(older - 1) + ")",
                      table.survivorship[static_cast<std::size_t>(older - 1)], result, locale);
}

std::optional<WhatIfLine> whatIfLine(const std::optional<LongTermOutlook>& before, const LeslieMatrix& beforeMatrix,
                                     const std::optional<LongTermOutlook>& after, const LeslieMatrix& afterMatrix,
                                     const NumberLocale& locale)
{
    if (!before || !after)
        return std::nullopt;
    WhatIfLine line;
    line.before = formatFixed(before->lambda, kLambdaDecimals, locale);
    line.after = formatFixed(after->lambda, kLambdaDecimals, locale);
    line.change = signedFixed(after->lambda - before->lambda, kLambdaDecimals, locale);
    if (const std::optional<double> predicted = predictedLambdaChange(*before, beforeMatrix, afterMatrix);
        predicted && std::isfinite(*predicted))
        line.predicted = signedFixed(*predicted, kLambdaDecimals, locale);
    return line;
}

std::vector<std::vector<std::string>> lifeTableCells(const LifeTable& table, const LifeTableFigures& figures,
                                                     const NumberLocale& locale)
{
    const auto number = [&](const std::vector<double>& column, std::size_t x) {
        const double* value = at(column, x);
        return value ? formatSignificant(*value, kLifeTableDigits, locale) : std::string();
    };
    const auto maybe = [&](const std::vector<std::optional<double>>& column, std::size_t x) {
        const std::optional<double>* value = at(column, x);
        return value ? optionalText(*value, locale) : std::string();
    };
    std::vector<std::vector<std::string>> rows;
    rows.reserve(static_cast<std::size_t>(table.ages()));
    for (std::size_t x = 0; x < static_cast<std::size_t>(table.ages()); ++x)
        rows.push_back({formatGeneral(static_cast<double>(x), locale), number(table.survivorship, x),
                        number(figures.deaths, x), maybe(figures.mortality, x), maybe(figures.survival, x),
                        number(figures.lived, x), number(figures.livedAfter, x), maybe(figures.expectancy, x),
                        number(table.fecundity, x), number(figures.maternity, x), number(figures.agedMaternity, x)});
    return rows;
}

std::vector<std::vector<std::string>> projectionCells(const PopulationProjection& projection,
                                                      const NumberLocale& locale)
{
    const auto rounded = [&](double value, int decimals) {
        return formatGeneral(roundToDecimals(value, decimals), locale);
    };
    std::vector<std::vector<std::string>> rows;
    rows.reserve(projection.numbers.size());
    for (std::size_t t = 0; t < projection.numbers.size(); ++t) {
        std::vector<std::string> row;
        row.reserve(projection.numbers[t].size() + 3);
        row.push_back(formatGeneral(static_cast<double>(t), locale));
        for (double n : projection.numbers[t])
            row.push_back(rounded(n, kNumberDecimals));
        const double* total = at(projection.totals, t);
        row.push_back(total ? rounded(*total, kNumberDecimals) : std::string());
        const std::optional<double>* rate = at(projection.growthRates, t);
        row.push_back(rate && *rate ? rounded(**rate, kGrowthRateDecimals) : std::string());
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string tabSeparated(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows)
{
    std::string text;
    const auto addLine = [&](const std::vector<std::string>& cells) {
        for (std::size_t k = 0; k < cells.size(); ++k) {
            if (k > 0)
                text += '\t';
            text += cells[k];
        }
        text += '\n';
    };
    addLine(header);
    for (const std::vector<std::string>& row : rows)
        addLine(row);
    return text;
}

}  // namespace dalvo
