#include "model/life_table.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>
#include <string>

#include "model/own_population.h"

namespace dalvo {
namespace {

const LifeTable kWorked{{1, 0.45, 0.15, 0.05, 0}, {0, 2, 2.5, 2.5, 0}};

// The root of Σ λ^-x l(x) m(x) = 1, found independently of the matrix.
double eulerLotkaRoot(const LifeTable& t)
{
    auto sum = [&](double lambda) {
        double s = 0;
        for (int x = 0; x < t.ages(); ++x)
            s += std::pow(lambda, -x) * t.survivorship[x] * t.fecundity[x];
        return s;
    };
    double low = 1e-6, high = 1e3;
    for (int i = 0; i < 200; ++i)
        (sum((low + high) / 2) > 1 ? low : high) = (low + high) / 2;
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
        const LifeTableFigures figures = lifeTableFigures(t);
        const Result<LeslieMatrix> pre = matrixFromLifeTable(t, Census::PreBreeding),
                                   post = matrixFromLifeTable(t, Census::PostBreeding);
        ASSERT_TRUE(pre && post);
        const Result<LongTermOutlook> a = analyseLongTerm(*pre), b = analyseLongTerm(*post);
        ASSERT_TRUE(a && b);
        const std::string what = "trial " + std::to_string(trial);
        EXPECT_NEAR(a->lambda, eulerLotkaRoot(t), 1e-9 * a->lambda) << what;
        EXPECT_NEAR(b->lambda, a->lambda, 1e-9 * a->lambda) << what;
        for (const LongTermOutlook* o : {&*a, &*b})
            EXPECT_NEAR(o->netReproductiveRate, figures.netReproductiveRate, 1e-9 * o->netReproductiveRate)
                << what;
        const GenerationTimes preTimes = generationTimes(*pre, *a), postTimes = generationTimes(*post, *b);
        EXPECT_NEAR(*postTimes.cohort, *figures.cohortGenerationTime, 1e-9) << what;
        double mothers = 0;  // Σ x l(x) m(x) λ^-x: the ages of a year's mothers, weighted
        for (int x = 0; x < ages; ++x)
            mothers += x * t.survivorship[x] * t.fecundity[x] * std::pow(a->lambda, -x);
        for (const GenerationTimes& times : {preTimes, postTimes})
            EXPECT_NEAR(*times.meanAgeOfMothers, mothers, 1e-9 * mothers) << what;

        // Read off again, the pre-breeding table is one age shifted; the post-breeding one keeps l(x).
        const LifeTable fromPre = lifeTableFromMatrix(*pre), fromPost = lifeTableFromMatrix(*post);
        ASSERT_EQ(fromPre.ages(), ages - 1);
        for (int x = 0; x + 1 < ages; ++x) {
            EXPECT_NEAR(fromPre.survivorship[x], t.survivorship[x + 1] / t.survivorship[1], 1e-12) << what;
            EXPECT_NEAR(fromPre.fecundity[x], t.survivorship[1] * t.fecundity[x + 1], 1e-12) << what;
            EXPECT_NEAR(fromPost.survivorship[x], t.survivorship[x], 1e-13 * t.survivorship[x])
                << what << " " << x;
        }
        for (const LifeTable& readOff : {fromPre, fromPost})
            EXPECT_NEAR(lifeTableFigures(readOff).netReproductiveRate, figures.netReproductiveRate, 1e-9)
                << what;
    }
}

TEST(LifeTable, BadTablesAreRefusedNamingTheAge)
{
    struct Case {
        const char* name;
        LifeTable table;
        const char* named;
    };
    std::vector<double> tooLong(103, 1);
    const Case cases[] = {
        {"l(0) not 1", {{0.9, 0.5, 0}, {0, 1, 0}}, "x = 0"},
        {"rising", {{1, 0.5, 0.3, 0.4}, {0, 1, 1, 1}}, "x = 3"},
        {"above 1", {{1, 1.5, 0}, {0, 1, 0}}, "x = 1"},
        {"negative m", {{1, 0.5, 0.2}, {0, 1, -1}}, "x = 2"},
        {"m(0) not 0", {{1, 0.5, 0.2}, {1, 1, 1}}, "x = 0"},
        {"one age with survivors", {{1, 0, 0}, {0, 2, 0}}, "x = 1"},
        {"too many classes", {tooLong, std::vector<double>(103, 0)}, "Age x = 102: l(102) is above 0"},
        {"lengths differ", {{1, 0.5}, {0}}, "every l(x)"},
    };
    for (const Case& c : cases) {
        const Result<LeslieMatrix> matrix = matrixFromLifeTable(c.table, Census::PostBreeding);
        ASSERT_FALSE(matrix) << c.name;
        EXPECT_NE(matrix.error().message.find(c.named), std::string::npos)
            << c.name << ": " << matrix.error().message;
    }
}

TEST(PopulationProjection, SettlesAsTheDampingRatioPredictsAndStaysFast)
{
    LeslieMatrix m{std::vector<double>(101, 0.03), std::vector<double>(100, 0.99)};
    m.fecundity[0] = 0.2;
    const OwnPopulation population{"",  std::nullopt, Census::PreBreeding, m, std::vector<double>(101, 1.0),
                                   1000};
    const auto start = std::chrono::steady_clock::now();
    const PopulationStudy study = studyPopulation(population);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
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
    EXPECT_EQ(out.totals, (std::vector<double>{5, 0, 0, 0}));
    EXPECT_EQ(out.growthRates[0], 0.0);
    EXPECT_FALSE(out.growthRates[1] || out.distributions[1] || out.distanceFromStable[0] ||
                 out.predictedDistance[0]);
    EXPECT_EQ(projectPopulation(m, population.initial, 5000, nullptr).steps, kMostProjectionSteps);

    // The sensitivities predict a small change of λ to first order.
    LeslieMatrix changed = small;
    changed.fecundity[2] += 1e-4;
    changed.survival[0] -= 2e-4;
    const double change = analyseLongTerm(changed)->lambda - o->lambda;
    EXPECT_NEAR(*predictedLambdaChange(*o, small, changed), change, 1e-3 * std::abs(change));
    EXPECT_FALSE(predictedLambdaChange(*o, small, m));
}

}  // namespace
}  // namespace dalvo
