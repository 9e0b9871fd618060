#include "presentation/own_population_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/stepwise_run.h"

namespace dalvo {
namespace {

const NumberLocale kComma{","};

// The parts of "E = a op b = x op y = z": the entry, the numbers and the operation.
struct Derivation {
    std::string entry;
    double left = 0, right = 0, result = 0;
    bool product = false;
};

Derivation read(const std::string& text)
{
    std::vector<std::string> parts;
    for (std::size_t from = 0, to = 0; to != std::string::npos; from = to + 3)
        parts.push_back(text.substr(from, (to = text.find(" = ", from)) - from));
    EXPECT_EQ(parts.size(), 4u) << text;
    const bool product = parts[2].find(" × ") != std::string::npos;
    const std::size_t op = parts[2].find(product ? " × " : " / ");
    return {parts[0], *parseNumber(parts[2].substr(0, op), kComma),
            *parseNumber(parts[2].substr(op + (product ? 4 : 3)), kComma), *parseNumber(parts[3], kComma), product};
}

TEST(OwnPopulationTextTest, DerivationsWorkOutToTheMatrixEntries)
{
    const LifeTable table{{1, 0.6, 0.424, 0.2, 0.05, 0}, {0, 0.5, 1.8, 2.065, 1.2, 0}};
    for (Census census : {Census::PreBreeding, Census::PostBreeding}) {
        const Result<LeslieMatrix> matrix = matrixFromLifeTable(table, census);
        ASSERT_TRUE(matrix);
        for (int j = 0; j <= matrix->classes(); ++j) {
            SCOPED_TRACE(std::to_string(j));
            const std::string fecundity = fecundityDerivation(table, census, j, kComma);
            const std::string survival = survivalDerivation(table, census, j, kComma);
            ASSERT_EQ(fecundity.empty(), j == matrix->classes());
            ASSERT_EQ(survival.empty(), j >= matrix->classes() - 1);
            if (!fecundity.empty()) {
                const Derivation f = read(fecundity);
                EXPECT_EQ(f.entry, "F(" + std::to_string(j) + ")");
                EXPECT_TRUE(f.product);
                EXPECT_NEAR(f.left * f.right, matrix->fecundity[j], 1e-4 * matrix->fecundity[j]);
                EXPECT_NEAR(f.result, matrix->fecundity[j], 1e-5 * matrix->fecundity[j]);
            }
            if (!survival.empty()) {
                const Derivation p = read(survival);
                EXPECT_EQ(p.entry, "P(" + std::to_string(j) + ")");
                EXPECT_FALSE(p.product);
                EXPECT_NEAR(p.left / p.right, matrix->survival[j], 1e-4);
                EXPECT_NEAR(p.result, matrix->survival[j], 1e-5);
            }
        }
    }
}

TEST(OwnPopulationTextTest, WhatIfLineTellsTheChangeAndThePrediction)
{
    const LeslieMatrix before = defaultMatrix();
    struct Case {
        const char* name;
        double fecundityChange;
        int classesAfter;
        bool predicted;
    };
    const Case cases[] = {{"more young", 0.05, 4, true}, {"fewer young", -0.05, 4, true}, {"a class more", 0, 5, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LeslieMatrix after = before;
        after.fecundity[1] += c.fecundityChange;
        after.fecundity.resize(static_cast<std::size_t>(c.classesAfter), 0.0);
        after.survival.resize(static_cast<std::size_t>(c.classesAfter - 1), 0.5);
        const Result<LongTermOutlook> was = analyseLongTerm(before), is = analyseLongTerm(after);
        const std::optional<WhatIfLine> line = whatIfLine(*was, before, *is, after, kComma);
        ASSERT_TRUE(line);
        const double change = *parseNumber(line->change, kComma);
        EXPECT_NEAR(*parseNumber(line->after, kComma) - *parseNumber(line->before, kComma), change, 1.5e-4);
        EXPECT_NEAR(change, is->lambda - was->lambda, 5e-5);
        EXPECT_EQ(line->change[0] == '+', change > 0);
        ASSERT_EQ(line->predicted.has_value(), c.predicted);
        if (c.predicted) {
            EXPECT_NEAR(*parseNumber(*line->predicted, kComma), change, std::abs(change) / 5);
        }
        EXPECT_FALSE(whatIfLine(std::nullopt, before, *is, after, kComma));
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
        EXPECT_NEAR(*parseNumber(projection[t][columns - 2], kComma), study.projection.totals[t], 0.0051);
        EXPECT_EQ(projection[t][columns - 1].empty(), t == 7);
    }
    const auto table = lifeTableCells(study.lifeTable, study.figures, kComma);
    ASSERT_EQ(table.size(), 5u);
    for (std::size_t x = 0; x < table.size(); ++x) {
        ASSERT_EQ(table[x].size(), 11u);
        EXPECT_EQ(table[x][3].empty(), x >= 3) << "q(x) is undefined where l(x) = 0";
    }
    const std::string copied = tabSeparated(std::vector<std::string>(columns, "h"), projection);
    EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 9);
    EXPECT_EQ(std::count(copied.begin(), copied.end(), '\t'), static_cast<long>(9 * (columns - 1)));
}

}  // namespace
}  // namespace dalvo
