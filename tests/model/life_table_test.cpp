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

void expectNear(const std::vector<double>& expected, const std::vector<double>& actual, const std::string& what)
{
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t j = 0; j < expected.size(); ++j)
        EXPECT_NEAR(actual[j], expected[j], 1e-12) << what << " " << j;
}

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
    struct Case {
        Census census;
        std::vector<double> fecundity, survival;
    };
    for (const Case& c : {Case{Census::PreBreeding, {0.9, 1.125, 1.125}, {1.0 / 3, 1.0 / 3}},
                          Case{Census::PostBreeding, {0.9, 5.0 / 6, 5.0 / 6}, {0.45, 1.0 / 3}}}) {
        Result<OwnPopulation> population = populationFromLifeTable(kWorked, c.census);
        ASSERT_TRUE(population) << population.error().message;
        expectNear(c.fecundity, population->matrix.fecundity, "F");
        expectNear(c.survival, population->matrix.survival, "P");
        const PopulationStudy study = studyPopulation(*population);
        ASSERT_TRUE(study.outlook);
        EXPECT_NEAR(study.outlook->lambda, 1.27205021789, 1e-10);
        EXPECT_NEAR(study.outlook->netReproductiveRate, 1.4, 1e-12);
        EXPECT_NEAR(*study.generationTimes.cohort, 1.44642857143, 1e-10);
        EXPECT_NEAR(*study.figures.cohortGenerationTime, 1.44642857143, 1e-10);
        EXPECT_NEAR(std::log(*study.textbookLambda), 0.2326, 1e-4);
        EXPECT_NEAR(study.figures.lifeExpectancyAtBirth, 1.15, 1e-12);
        EXPECT_NEAR(*study.generationTimes.fromGrowth, std::log(1.4) / 0.240630, 1e-5);
        EXPECT_FALSE(study.lifeTableReadOffMatrix);
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
        const Result<LeslieMatrix> pre = matrixFromLifeTable(t, Census::PreBreeding);
        const Result<LeslieMatrix> post = matrixFromLifeTable(t, Census::PostBreeding);
        ASSERT_TRUE(pre && post);
        const Result<LongTermOutlook> a = analyseLongTerm(*pre), b = analyseLongTerm(*post);
        ASSERT_TRUE(a && b);
        const std::string what = "trial " + std::to_string(trial);
        EXPECT_NEAR(a->lambda, eulerLotkaRoot(t), 1e-9 * a->lambda) << what;
        EXPECT_NEAR(b->lambda, a->lambda, 1e-9 * a->lambda) << what;
        for (const LongTermOutlook* o : {&*a, &*b})
            EXPECT_NEAR(o->netReproductiveRate, figures.netReproductiveRate, 1e-9 * o->netReproductiveRate) << what;
        EXPECT_NEAR(*generationTimes(*post, *b).cohort, *figures.cohortGenerationTime, 1e-9) << what;
        EXPECT_NEAR(*generationTimes(*pre, *a).meanAgeOfMothers, *generationTimes(*post, *b).meanAgeOfMothers, 1e-9)
            << what;

        // Read off again: the pre-breeding table is shifted by one age, the
        // post-breeding one keeps l(x) for every age below the last.
        const LifeTable fromPre = lifeTableFromMatrix(*pre), fromPost = lifeTableFromMatrix(*post);
        ASSERT_EQ(fromPre.ages(), ages - 1);
        for (int x = 0; x + 1 < ages; ++x) {
            EXPECT_NEAR(fromPre.survivorship[x], t.survivorship[x + 1] / t.survivorship[1], 1e-12) << what;
            EXPECT_NEAR(fromPre.fecundity[x], t.survivorship[1] * t.fecundity[x + 1], 1e-12) << what;
            EXPECT_NEAR(fromPost.survivorship[x], t.survivorship[x], 1e-13 * t.survivorship[x]) << what << " " << x;
        }
        for (const LifeTable& readOff : {fromPre, fromPost})
            EXPECT_NEAR(lifeTableFigures(readOff).netReproductiveRate, figures.netReproductiveRate, 1e-9) << what;
    }
}

TEST(LifeTable, BadTablesAreRefusedNamingTheAge)
{
    struct Case {
        const char* name;
        LifeTable table;
        const char* named;
    };
    std::vector<double> tooLong(103, 0.99);
    tooLong[0] = 1;
    const Case cases[] = {
        {"l(0) not 1", {{0.9, 0.5, 0}, {0, 1, 0}}, "x = 0"},
        {"rising", {{1, 0.5, 0.3, 0.4}, {0, 1, 1, 1}}, "x = 3"},
        {"above 1", {{1, 1.5, 0}, {0, 1, 0}}, "x = 1"},
        {"negative m", {{1, 0.5, 0.2}, {0, 1, -1}}, "x = 2"},
        {"m(0) not 0", {{1, 0.5, 0.2}, {1, 1, 1}}, "x = 0"},
        {"one age with survivors", {{1, 0, 0}, {0, 2, 0}}, "x = 1"},
        {"too many classes", {tooLong, std::vector<double>(103, 0)}, "x = 102"},
        {"lengths differ", {{1, 0.5}, {0}}, "every l(x)"},
    };
    for (const Case& c : cases) {
        const Result<LeslieMatrix> matrix = matrixFromLifeTable(c.table, Census::PostBreeding);
        ASSERT_FALSE(matrix) << c.name;
        EXPECT_NE(matrix.error().message.find(c.named), std::string::npos) << c.name << ": " << matrix.error().message;
    }
}

TEST(PopulationProjection, SettlesAsTheDampingRatioPredictsAndStaysFast)
{
    LeslieMatrix m{std::vector<double>(101, 0.03), std::vector<double>(100, 0.99)};
    m.fecundity[0] = 0.2;
    OwnPopulation population{"", std::nullopt, Census::PreBreeding, m, std::vector<double>(101, 0.0), 1000};
    population.initial[0] = 10;
    const auto start = std::chrono::steady_clock::now();
    const PopulationStudy study = studyPopulation(population);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    const PopulationProjection& p = study.projection;
    ASSERT_EQ(p.numbers.size(), 1001u);
    ASSERT_EQ(p.growthRates.size(), 1000u);
    EXPECT_TRUE(study.lifeTableReadOffMatrix);
    EXPECT_NEAR(*p.growthRates.back(), study.outlook->lambda, 1e-9);

    // Once the other roots have faded the distance shrinks by the damping ratio per step.
    const LeslieMatrix small{{0, 1.5, 2, 0.7}, {0.3, 0.8, 0.6}};
    const Result<LongTermOutlook> o = analyseLongTerm(small);
    const PopulationProjection s = projectPopulation(small, {10, 0, 0, 0}, 60, &*o);
    const double predicted = *s.predictedDistance[50] / *s.predictedDistance[40];
    EXPECT_NEAR(predicted, std::pow(*o->dampingRatio, -10), 1e-12);
    EXPECT_NEAR(*s.distanceFromStable[50] / *s.distanceFromStable[40], predicted, 0.05 * predicted);

    // A start of non-breeders only dies out: nothing defined after the total reaches 0.
    const PopulationProjection out = projectPopulation({{1, 0}, {1}}, {0, 5}, 3, nullptr);
    EXPECT_EQ(out.totals, (std::vector<double>{5, 0, 0, 0}));
    EXPECT_EQ(out.growthRates[0], 0.0);
    EXPECT_FALSE(out.growthRates[1] || out.distributions[1] || out.distanceFromStable[0] || out.predictedDistance[0]);
    EXPECT_EQ(projectPopulation(m, population.initial, 5000, nullptr).steps, kMostProjectionSteps);
}

TEST(PopulationStudy, SensitivitiesPredictSmallChangesOfLambda)
{
    const LeslieMatrix before{{0, 1.5, 2, 0.7}, {0.3, 0.8, 0.6}};
    LeslieMatrix after = before;
    after.fecundity[2] += 1e-4;
    after.survival[0] -= 2e-4;
    const double change = analyseLongTerm(after)->lambda - analyseLongTerm(before)->lambda;
    EXPECT_NEAR(*predictedLambdaChange(*analyseLongTerm(before), before, after), change, 1e-3 * std::abs(change));
    EXPECT_FALSE(predictedLambdaChange(*analyseLongTerm(before), before, {{1, 1}, {0.5}}));
}

}  // namespace
}  // namespace dalvo
