// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/life_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "model/own_population.h"

namespace dalvo {
namespace {

const LifeTable kWorked{{1, 0.45, 0.15, 0.05, 0}, {0, 2, 2.5, 2.5, 0}};

// The root of Σ λ^-x l(x) m(x) = 1 by bisection, found independently of the matrix.
double eulerLotkaRoot(const LifeTable& t)
{
    double low = 1e-6, high = 1e3;
    for (int i = 0; i < 200; ++i) {
        double mid = (low + high) / 2, sum = 0;
        for (int x = 0; x < t.ages(); ++x)
            sum += std::pow(mid, -x) * t.survivorship[x] * t.fecundity[x];
        (sum > 1 ? low : high) = mid;
    }
    return low;
}

TEST(LifeTable, WorkedCaseGivesTheSameGrowthEitherCensus)
{
    for (const auto& [census, expected] :
         {std::pair{Census::PreBreeding, LeslieMatrix{{0.9, 1.125, 1.125}, {1.0 / 3, 1.0 / 3}}},
          std::pair{Census::PostBreeding, LeslieMatrix{{0.9, 5.0 / 6, 5.0 / 6}, {0.45, 1.0 / 3}}}}) {
        const Result<OwnPopulation> population = populationFromLifeTable(kWorked, census);
        ASSERT_TRUE(population) << population.error().message;
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(population->matrix.fecundity[j], expected.fecundity[j], 1e-12) << j;
        for (int j = 0; j < 2; ++j)
            EXPECT_NEAR(population->matrix.survival[j], expected.survival[j], 1e-12) << j;
        const PopulationStudy study = studyPopulation(*population);
        ASSERT_TRUE(study.outlook && !study.lifeTableReadOffMatrix);
        EXPECT_NEAR(study.outlook->lambda, 1.27205021789, 1e-10);
        EXPECT_NEAR(study.outlook->netReproductiveRate, 1.4, 1e-12);
        EXPECT_NEAR(*study.generationTimes.cohort, 1.44642857143, 1e-10);
        EXPECT_NEAR(*study.figures.cohortGenerationTime, 1.44642857143, 1e-10);
        EXPECT_NEAR(*study.generationTimes.fromGrowth, std::log(1.4) / 0.240630, 1e-5);
        EXPECT_NEAR(std::log(*study.textbookLambda), 0.2326, 1e-4);
        EXPECT_NEAR(study.figures.lifeExpectancyAtBirth, 1.15, 1e-12);
    }
}

TEST(LifeTable, RandomTablesAgreeWithEulerLotkaAndSurviveRoundTrips)
{
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> share(0.05, 1), offspring(0, 3);
    for (int trial = 0; trial < 200; ++trial) {
        LifeTable t{{1}, {0}};
        const int ages = 2 + trial % 30;
        for (int x = 1; x < ages; ++x) {
            t.survivorship.push_back(t.survivorship.back() * share(random));
            t.fecundity.push_back(offspring(random));
        }
        SCOPED_TRACE(trial);
        const LifeTableFigures figures = lifeTableFigures(t);
        const Result<LeslieMatrix> pre = matrixFromLifeTable(t, Census::PreBreeding),
                                   post = matrixFromLifeTable(t, Census::PostBreeding);
        ASSERT_TRUE(pre && post);
        const Result<LongTermOutlook> a = analyseLongTerm(*pre), b = analyseLongTerm(*post);
        ASSERT_TRUE(a && b);
        EXPECT_NEAR(a->lambda, eulerLotkaRoot(t), 1e-9 * a->lambda);
        EXPECT_NEAR(b->lambda, a->lambda, 1e-9 * a->lambda);
        const GenerationTimes preTimes = generationTimes(*pre, *a), postTimes = generationTimes(*post, *b);
        EXPECT_NEAR(*postTimes.cohort, *figures.cohortGenerationTime, 1e-9);
        double mothers = 0;  // Σ x l(x) m(x) λ^-x: the ages of a year's mothers, weighted
        for (int x = 0; x < ages; ++x)
            mothers += x * t.survivorship[x] * t.fecundity[x] * std::pow(a->lambda, -x);
        for (const GenerationTimes& times : {preTimes, postTimes})
            EXPECT_NEAR(*times.meanAgeOfMothers, mothers, 1e-9 * mothers);

        // Read off again, the pre-breeding table is one age shifted; the post-breeding one keeps l(x).
        const LifeTable fromPre = lifeTableFromMatrix(*pre), fromPost = lifeTableFromMatrix(*post);
        ASSERT_EQ(fromPre.ages(), ages - 1);
        for (int x = 0; x + 1 < ages; ++x) {
            EXPECT_NEAR(fromPre.survivorship[x], t.survivorship[x + 1] / t.survivorship[1], 1e-12);
            EXPECT_NEAR(fromPre.fecundity[x], t.survivorship[1] * t.fecundity[x + 1], 1e-12);
            EXPECT_NEAR(fromPost.survivorship[x], t.survivorship[x], 1e-13 * t.survivorship[x]) << x;
        }
        for (double r0 :
             {a->netReproductiveRate, b->netReproductiveRate, lifeTableFigures(fromPre).netReproductiveRate,
              lifeTableFigures(fromPost).netReproductiveRate})
            EXPECT_NEAR(r0, figures.netReproductiveRate, 1e-9 * r0);
    }
}

TEST(LifeTable, AMatrixEnteredAsALifeTableKeepsItsEntries)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> rate(0.05, 1.0);
    const LeslieMatrix kNoSecondClass{{0, 2, 1}, {0.5, 0}};
    for (const Census census : {Census::PreBreeding, Census::PostBreeding}) {
        for (int classes : {1, 2, 4, 30}) {
            LeslieMatrix m;
            for (int j = 0; j < classes; ++j)
                m.fecundity.push_back(j % 3 == 0 ? 0 : 3 * rate(random));
            for (int j = 0; j + 1 < classes; ++j)
                m.survival.push_back(rate(random));
            const Result<LifeTable> table = lifeTableMakingMatrix(m, census);
            ASSERT_TRUE(table) << table.error().message;
            const Result<LeslieMatrix> back = matrixFromLifeTable(*table, census);
            ASSERT_TRUE(back && back->classes() == classes) << classes;
            for (int j = 0; j < classes; ++j)
                EXPECT_NEAR(back->fecundity[j], m.fecundity[j], 1e-12 * (1 + m.fecundity[j]));
            for (int j = 0; j + 1 < classes; ++j)
                EXPECT_NEAR(back->survival[j], m.survival[j], 1e-12);
        }
        // A class nobody reaches cannot be an age of a life table.
        EXPECT_FALSE(lifeTableMakingMatrix(kNoSecondClass, census));
    }
}

TEST(LifeTable, BadTablesAreRefusedNamingTheAge)
{
    const std::vector<double> tooLong(103, 1);
    const std::pair<LifeTable, const char*> cases[] = {
        {{{0.9, 0.5, 0}, {0, 1, 0}}, "Age x = 0: l(0) is 0.9"},
        {{{1, 0.5, 0.3, 0.4}, {0, 1, 1, 1}}, "Age x = 3: l(3) = 0.4 is more than l(2)"},
        {{{1, 1.5, 0}, {0, 1, 0}}, "Age x = 1: l(1) is 1.5"},
        {{{1, 0.5, 0.2}, {0, 1, -1}}, "Age x = 2: m(2) is -1"},
        {{{1, 0.5, 0.2}, {1, 1, 1}}, "Age x = 0: m(0) is 1"},
        {{{1, 0, 0}, {0, 2, 0}}, "Age x = 1: l(1) is 0"},
        {{tooLong, std::vector<double>(103, 0)}, "Age x = 102: l(102) is above 0"},
        {{{1, 0.5}, {0}}, "one m(x) for every l(x)"},
    };
    for (const auto& [table, named] : cases) {
        const Result<void> checked = checkLifeTable(table);  // an empty message when it passes
        EXPECT_NE(checked.error().message.find(named), std::string::npos) << named << checked.error().message;
    }
}

TEST(PopulationProjection, SettlesAsTheDampingRatioPredicts)
{
    const LeslieMatrix m{std::vector<double>(101, 0.03), std::vector<double>(100, 0.99)};
    const OwnPopulation population{"", {}, Census::PreBreeding, m, std::vector<double>(101, 1.0), 1000};
    const PopulationStudy study = studyPopulation(population);
    const PopulationProjection& p = study.projection;
    ASSERT_TRUE(p.numbers.size() == 1001 && p.growthRates.size() == 1000 && study.lifeTableReadOffMatrix);
    EXPECT_NEAR(*p.growthRates.back(), study.outlook->lambda, 1e-9);

    // Once the other roots have faded the distance shrinks by the damping ratio per step.
    const LeslieMatrix small{{0, 1.5, 2, 0.7}, {0.3, 0.8, 0.6}};
    const Result<LongTermOutlook> o = analyseLongTerm(small);
    const PopulationProjection s = projectPopulation(small, {10, 0, 0, 0}, 60, &*o);
    const double predicted = std::pow(*o->dampingRatio, -10);
    EXPECT_NEAR(*s.predictedDistance[50] / *s.predictedDistance[40], predicted, 1e-12);
    EXPECT_NEAR(*s.distanceFromStable[50] / *s.distanceFromStable[40], predicted, 0.05 * predicted);

    // A start of non-breeders only dies out: nothing defined after the total reaches 0.
    const PopulationProjection out = projectPopulation({{1, 0}, {1}}, {0, 5}, 3, nullptr);
    EXPECT_TRUE(out.totals == std::vector<double>({5, 0, 0, 0}) && out.growthRates[0] == 0.0);
    EXPECT_FALSE(out.growthRates[1] || out.distributions[1] || out.distanceFromStable[0] ||
                 out.predictedDistance[0]);
    EXPECT_EQ(projectPopulation(m, population.initial, 5000, nullptr).steps, kMostProjectionSteps);
    // The sensitivities predict a small change of λ to first order.
    const LeslieMatrix changed{{0, 1.5, 2.0001, 0.7}, {0.2998, 0.8, 0.6}};
    const double change = analyseLongTerm(changed)->lambda - o->lambda;
    EXPECT_NEAR(*predictedLambdaChange(*o, small, changed), change, 1e-3 * std::abs(change));
    EXPECT_FALSE(predictedLambdaChange(*o, small, m));
}

}  // namespace
}  // namespace dalvo
