// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "presentation/own_population_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/stepwise_run.h"

namespace dalvo {
namespace {

const NumberLocale kComma{","};

double number(const std::string& text) { return parseNumber(text, kComma).value(); }

// Checks "E = a op b = x op y = z": the entry's name, x op y and z against the entry.
void expectWorksOut(const std::string& text, const std::string& entry, double value)
{
    std::vector<std::string> parts;
    for (std::size_t from = 0, to = 0; to != std::string::npos; from = to + 3)
        parts.push_back(text.substr(from, (to = text.find(" = ", from)) - from));
    ASSERT_EQ(parts.size(), 4u) << text;
    EXPECT_EQ(parts[0], entry);
    const bool product = entry[0] == 'F';
    const std::size_t op = parts[2].find(product ? " × " : " / ");
    const double left = number(parts[2].substr(0, op)), right = number(parts[2].substr(op + (product ? 4 : 3)));
    EXPECT_NEAR(product ? left * right : left / right, value, 1e-4 * value) << text;
    EXPECT_NEAR(number(parts[3]), value, 1e-5 * value) << text;
}

TEST(OwnPopulationTextTest, DerivationsWorkOutToTheMatrixEntries)
{
    const LifeTable table{{1, 0.6, 0.424, 0.2, 0.05, 0}, {0, 0.5, 1.8, 2.065, 1.2, 0}};
    for (Census census : {Census::PreBreeding, Census::PostBreeding}) {
        const LeslieMatrix matrix = matrixFromLifeTable(table, census).value();
        for (int j = 0; j <= matrix.classes(); ++j) {
            const std::string fecundity = fecundityDerivation(table, census, j, kComma);
            const std::string survival = survivalDerivation(table, census, j, kComma);
            ASSERT_EQ(fecundity.empty(), j == matrix.classes()) << j;
            ASSERT_EQ(survival.empty(), j >= matrix.classes() - 1) << j;
            if (!fecundity.empty())
                expectWorksOut(fecundity, "F(" + std::to_string(j) + ")", matrix.fecundity[j]);
            if (!survival.empty())
                expectWorksOut(survival, "P(" + std::to_string(j) + ")", matrix.survival[j]);
        }
    }
}

TEST(OwnPopulationTextTest, WhatIfLineTellsTheChangeAndThePrediction)
{
    const LeslieMatrix before = defaultMatrix();
    // A matrix of other classes has no first-order prediction.
    struct Case { const char* name; double fecundityChange; int classesAfter; };
    for (const Case& c : {Case{"more young", 0.05, 4}, Case{"fewer young", -0.05, 4}, Case{"a class more", 0, 5}}) {
        SCOPED_TRACE(c.name);
        LeslieMatrix after = before;
        after.fecundity[1] += c.fecundityChange;
        after.fecundity.resize(static_cast<std::size_t>(c.classesAfter), 0.0);
        after.survival.resize(static_cast<std::size_t>(c.classesAfter - 1), 0.5);
        const LongTermOutlook was = analyseLongTerm(before).value(), is = analyseLongTerm(after).value();
        const std::optional<WhatIfLine> line = whatIfLine(was, before, is, after, kComma);
        ASSERT_TRUE(line);
        const double change = number(line->change);
        EXPECT_NEAR(number(line->after) - number(line->before), change, 1.5e-4);
        EXPECT_NEAR(change, is.lambda - was.lambda, 5e-5);
        EXPECT_EQ(line->change[0] == '+', change > 0);
        ASSERT_EQ(line->predicted.has_value(), c.classesAfter == 4);
        EXPECT_NEAR(number(line->predicted.value_or("0")), c.classesAfter == 4 ? change : 0, std::abs(change) / 5);
        EXPECT_FALSE(whatIfLine(std::nullopt, before, is, after, kComma));
    }
}

TEST(OwnPopulationTextTest, CellsHoldOneRowPerStepAndAgeAndCopyAsTabbedLines)
{
    OwnPopulation population = *populationFromLifeTable({{1, 0.5, 0.25, 0, 0}, {0, 2, 3, 1, 0}}, Census::PostBreeding);
    population.steps = 7;
    const PopulationStudy study = studyPopulation(population);
    const auto projection = projectionCells(study.projection, kComma);
    const auto columns = static_cast<std::size_t>(study.projection.classes) + 3;
    ASSERT_EQ(projection.size(), 8u);
    for (std::size_t t = 0; t < projection.size(); ++t) {
        ASSERT_EQ(projection[t].size(), columns);
        // The totals are rounded to the hundredth, ties to even.
        EXPECT_NEAR(number(projection[t][columns - 2]), study.projection.totals[t], 0.0051);
        EXPECT_EQ(projection[t][columns - 1].empty(), t == 7) << "no rate after the last step";
    }
    const auto table = lifeTableCells(study.lifeTable, study.figures, kComma);
    ASSERT_EQ(table.size(), 5u);
    for (std::size_t x = 0; x < table.size(); ++x) {
        ASSERT_EQ(table[x].size(), 11u);
        EXPECT_EQ(table[x][3].empty(), x >= 3) << "q(x) is undefined where l(x) = 0";
    }
    const std::string copied = tabSeparated(std::vector<std::string>(columns, "h"), projection);
    EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n') * (columns - 1), std::count(copied.begin(), copied.end(), '\t'));
    EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 9);
}

}  // namespace
}  // namespace dalvo
