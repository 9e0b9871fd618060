// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/life_table.h"

#include <cmath>
#include <string>

#include "model/number_text.h"
#include "model/source_text.h"

namespace dalvo {

namespace {

std::string shown(double value)
{
    return formatGeneral(value, kPeriodNumbers);
}

// The last age with survivors; -1 when even l(0) is 0.
int lastAgeWithSurvivors(const LifeTable& table)
{
    int last = -1;
    for (int x = 0; x < table.ages(); ++x) {
        if (table.survivorship[static_cast<std::size_t>(x)] > 0)
            last = x;
    }
    return last;
}

// ln of the net maternity φ(j) = F(j) P(0)...P(j-1); -inf where a class never
// has young or is never reached. Logarithms keep long lives of low survival
// from vanishing below the smallest double.
std::vector<double> logNetMaternity(const LeslieMatrix& m)
{
    std::vector<double> result(static_cast<std::size_t>(m.classes()));
    double logSurvivorship = 0;
    for (int j = 0; j < m.classes(); ++j) {
        result[static_cast<std::size_t>(j)] =
            logSurvivorship + std::log(m.fecundity[static_cast<std::size_t>(j)]);
        if (j < static_cast<int>(m.survival.size()))
            logSurvivorship += std::log(m.survival[static_cast<std::size_t>(j)]);
        else
            logSurvivorship = -HUGE_VAL;
    }
    return result;
}

}  // namespace

std::optional<LifeTableFault> findLifeTableFault(const LifeTable& table)
{
    if (table.survivorship.size() != table.fecundity.size())
        return LifeTableFault{std::nullopt,
                              explained(sourceText("dalvo::Error",
                                                   "The life table needs one m(x) for every l(x). "
                                                   "Give both for every age."))};
    if (table.ages() == 0)
        return LifeTableFault{std::nullopt,
                              explained(sourceText("dalvo::Error",
                                                   "The life table is empty. Give l(x) and m(x) "
                                                   "for the ages x = 0, 1, 2, ..."))};
    for (int x = 0; x < table.ages(); ++x) {
        const double l = table.survivorship[static_cast<std::size_t>(x)];
        const double m = table.fecundity[static_cast<std::size_t>(x)];
        const std::string age = std::to_string(x);
        if (!std::isfinite(l) || l < 0 || l > 1)
            return LifeTableFault{
                x, explained(sourceText("dalvo::Error",
                                        "l(%1) is %2; a survivorship must lie between 0 and 1. Correct it."),
                             {age, shown(l)})};
        if (x == 0 && l != 1)
            return LifeTableFault{
                0, explained(sourceText("dalvo::Error",
                                        "l(0) is %1; it must be 1, as every individual is alive at birth. "
                                        "Divide every l(x) by l(0), or give the numbers alive n(x) instead."),
                             {shown(l)})};
        if (x > 0 && l > table.survivorship[static_cast<std::size_t>(x) - 1])
            return LifeTableFault{
                x, explained(sourceText("dalvo::Error",
                                        "l(%1) = %2 is more than l(%3) = %4; the share of "
                                        "survivors can only fall with age. Correct one of them."),
                             {age, shown(l), std::to_string(x - 1),
                              shown(table.survivorship[static_cast<std::size_t>(x) - 1])})};
        if (!std::isfinite(m) || m < 0)
            return LifeTableFault{x,
                                  explained(sourceText("dalvo::Error",
                                                       "m(%1) is %2; the offspring per individual must be a "
                                                       "number of zero or more. Correct it."),
                                            {age, shown(m)})};
        // Young born at age 0 would have to breed before they are first
        // counted; no matrix holds them, and R0 would disagree with the matrix.
        if (x == 0 && m != 0)
            return LifeTableFault{
                0, explained(sourceText("dalvo::Error",
                                        "m(0) is %1; newborns cannot breed before their first birthday, so "
                                        "m(0) must be 0. Give their young at age 1 instead."),
                             {shown(m)})};
    }
    const int last = lastAgeWithSurvivors(table);
    if (last < 1)
        return LifeTableFault{1,
                              explained(sourceText("dalvo::Error",
                                                   "l(1) is 0, so only age 0 has survivors; a matrix needs "
                                                   "at least two ages with survivors. Give l(1) above 0."))};
    if (last > kMaxAgeClasses)
        return LifeTableFault{
            last, explained(sourceText("dalvo::Error",
                                       "l(%1) is above 0, so the table would make %1 age classes; "
                                       "at most %2 are possible. Let l(x) reach 0 by age %3."),
                            {std::to_string(last), std::to_string(kMaxAgeClasses),
                             std::to_string(kMaxAgeClasses + 1)})};
    return std::nullopt;
}

Result<void> checkLifeTable(const LifeTable& table)
{
    std::optional<LifeTableFault> fault = findLifeTableFault(table);
    if (!fault)
        return {};
    if (!fault->age)
        return std::move(fault->problem);
    return explained(sourceText("dalvo::Error", "Age x = %1: %2"), {std::to_string(*fault->age)},
                     {std::move(fault->problem)});
}

Result<LeslieMatrix> matrixFromLifeTable(const LifeTable& table, Census census)
{
    if (Result<void> checked = checkLifeTable(table); !checked)
        return checked.error();
    const std::vector<double>& l = table.survivorship;
    const std::vector<double>& m = table.fecundity;
    const std::size_t classes = static_cast<std::size_t>(lastAgeWithSurvivors(table));
    LeslieMatrix matrix;
    matrix.fecundity.resize(classes);
    matrix.survival.resize(classes - 1);
    for (std::size_t j = 0; j < classes; ++j) {
        if (census == Census::PreBreeding) {
            matrix.fecundity[j] = l[1] * m[j + 1];
            if (j + 1 < classes)
                matrix.survival[j] = l[j + 2] / l[j + 1];
        } else {
            const double p = l[j + 1] / l[j];
            matrix.fecundity[j] = p * m[j + 1];
            if (j + 1 < classes)
                matrix.survival[j] = p;
        }
    }
    return matrix;
}

LifeTable lifeTableFromMatrix(const LeslieMatrix& matrix)
{
    LifeTable table;
    double l = 1;
    for (int x = 0; x < matrix.classes(); ++x) {
        table.survivorship.push_back(l);
        table.fecundity.push_back(matrix.fecundity[static_cast<std::size_t>(x)]);
        l *=
            x < static_cast<int>(matrix.survival.size()) ? matrix.survival[static_cast<std::size_t>(x)] : 0.0;
    }
    return table;
}

Result<LifeTable> lifeTableMakingMatrix(const LeslieMatrix& matrix, Census census)
{
    const int n = matrix.classes();
    if (n < 1 || static_cast<int>(matrix.survival.size()) != n - 1)
        return explained(
            sourceText("dalvo::Error", "The matrix needs one survival rate fewer than it has classes."));
    for (int j = 0; j + 1 < n; ++j) {
        if (!(matrix.survival[static_cast<std::size_t>(j)] > 0))
            return explained(
                sourceText("dalvo::Error",
                           "P(%1) is 0, so a life table would end at that age and lose the classes "
                           "after it. Make P(%1) larger than 0, or remove the classes after it, "
                           "before entering a life table."),
                {std::to_string(j)});
    }
    LifeTable table;
    double l = 1;  // P(0)...P(x-1)
    if (census == Census::PreBreeding) {
        table.survivorship = {1};
        table.fecundity = {0};
        for (int x = 0; x < n; ++x) {
            table.survivorship.push_back(l);
            table.fecundity.push_back(matrix.fecundity[static_cast<std::size_t>(x)]);
            if (x + 1 < n)
                l *= matrix.survival[static_cast<std::size_t>(x)];
        }
        return table;
    }
    table.fecundity = {0};
    for (int x = 0; x < n; ++x) {
        const double breedingSurvival = x + 1 < n ? matrix.survival[static_cast<std::size_t>(x)] : 1.0;
        table.survivorship.push_back(l);
        table.fecundity.push_back(matrix.fecundity[static_cast<std::size_t>(x)] / breedingSurvival);
        l *= breedingSurvival;
    }
    table.survivorship.push_back(l);
    return table;
}

LifeTableFigures lifeTableFigures(const LifeTable& table)
{
    LifeTableFigures f;
    const std::size_t ages = std::min(table.survivorship.size(), table.fecundity.size());
    auto l = [&](std::size_t x) { return x < ages ? table.survivorship[x] : 0.0; };
    double agedSum = 0;
    for (std::size_t x = 0; x < ages; ++x) {
        const double d = l(x) - l(x + 1);
        f.deaths.push_back(d);
        if (l(x) > 0) {
            f.mortality.push_back(d / l(x));
            f.survival.push_back(1 - d / l(x));
        } else {
            f.mortality.emplace_back();
            f.survival.emplace_back();
        }
        f.lived.push_back((l(x) + l(x + 1)) / 2);
        f.maternity.push_back(l(x) * table.fecundity[x]);
        f.agedMaternity.push_back(static_cast<double>(x) * f.maternity.back());
        f.netReproductiveRate += f.maternity.back();
        agedSum += f.agedMaternity.back();
    }
    f.livedAfter.resize(ages);
    double after = 0;
    for (std::size_t x = ages; x-- > 0;) {
        after += f.lived[x];
        f.livedAfter[x] = after;
    }
    for (std::size_t x = 0; x < ages; ++x)
        f.expectancy.push_back(l(x) > 0 ? std::optional<double>(f.livedAfter[x] / l(x)) : std::nullopt);
    if (f.netReproductiveRate > 0)
        f.cohortGenerationTime = agedSum / f.netReproductiveRate;
    if (ages > 0 && f.expectancy[0])
        f.lifeExpectancyAtBirth = *f.expectancy[0];
    return f;
}

GenerationTimes generationTimes(const LeslieMatrix& matrix, const LongTermOutlook& outlook)
{
    GenerationTimes times;
    const std::vector<double> logPhi = logNetMaternity(matrix);
    double r0 = 0;
    double aged = 0;
    for (std::size_t j = 0; j < logPhi.size(); ++j) {
        const double phi = std::exp(logPhi[j]);
        r0 += phi;
        aged += static_cast<double>(j + 1) * phi;
    }
    if (r0 > 0 && std::isfinite(r0))
        times.cohort = aged / r0;
    if (outlook.lambda > 0 && std::isfinite(outlook.lambda)) {
        // The outlook's ln R0 / r stays accurate near λ = 1, where the quotient
        // would divide one rounding error by another.
        if (outlook.lambda != 1 && r0 != 1 && r0 > 0 && outlook.generationTime)
            times.fromGrowth = outlook.generationTime;
        const double x = std::log(outlook.lambda);
        double weights = 0;
        double agedWeights = 0;
        for (std::size_t j = 0; j < logPhi.size(); ++j) {
            const double a = static_cast<double>(j + 1);
            const double term = std::exp(logPhi[j] - a * x);
            weights += term;
            agedWeights += a * term;
        }
        // The weights add up to 1 at the root; dividing by their sum takes
        // away what rounding left of it.
        if (weights > 0 && std::isfinite(agedWeights))
            times.meanAgeOfMothers = agedWeights / weights;
    }
    return times;
}

std::optional<double> textbookLambda(double netReproductiveRate, std::optional<double> cohortGenerationTime)
{
    if (!(netReproductiveRate > 0) || !cohortGenerationTime || !(*cohortGenerationTime > 0))
        return std::nullopt;
    return std::exp(std::log(netReproductiveRate) / *cohortGenerationTime);
}

}  // namespace dalvo
