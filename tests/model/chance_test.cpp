// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/chance.h"

#include <gsl/gsl_cdf.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>

#include "model/extinction.h"
#include "model/long_term_outlook.h"

namespace dalvo {
namespace {

const ChancePopulation kDefault{{{0, 1, 2, 1}, {0.5, 1, 0.5}}, {10, 0, 0, 0}, {}};
const ChancePopulation kThreeClasses{{{0, 1, 5}, {0.3, 0.5}}, {10, 0, 0}, {}};
// A post-breeding life table: only survivors breed, m(j+1) young each; the
// last class's survivors breed (F = 0.6 x 2) and leave.
const ChancePopulation kSurvivorsBreed{{{0.8, 1.2}, {0.4}}, {6, 3}, {2, 2}};

struct ExactCase {
    std::string name;
    ChancePopulation population;
    int step;
    double extinct;
};

TEST(Chance, ExactExtinctionCurve)
{
    const double q1 = std::exp(-0.8);                  // one class: q(t) = exp(-F (1 - q(t-1)))
    const double q1Post = 0.5 + 0.5 * std::exp(-2.0);  // s = F / m = 0.5: q = (1 - s) + s exp(-m (1 - q))
    const std::vector<ExactCase> cases = {
        {"one class, two individuals, t = 1", {{{0.8}, {}}, {2}, {}}, 1, q1 * q1},
        {"one class, two individuals, t = 2",
         {{{0.8}, {}}, {2}, {}},
         2,
         std::pow(std::exp(-0.8 * (1 - q1)), 2)},
        {"one class of survivors that breed, t = 2",
         {{{1}, {}}, {1}, {2}},
         2,
         0.5 + 0.5 * std::exp(-2 * (1 - q1Post))},
        {"three classes, t = 10", kThreeClasses, 10, 0.406507},
        {"three classes, t = 50", kThreeClasses, 50, 0.739646},
    };
    for (const ExactCase& c : cases) {
        const std::vector<double> curve = extinctionByStep(c.population.matrix, c.population.youngPerSurvivor,
                                                           c.population.initial, c.step);
        ASSERT_EQ(curve.size(), static_cast<std::size_t>(c.step)) << c.name;
        EXPECT_NEAR(curve.back(), c.extinct, 1e-6) << c.name;
    }
}

TEST(Chance, SimulatedLossAgreesWithTheExactCurve)
{
    for (const ChancePopulation& population : {kDefault, kThreeClasses, kSurvivorsBreed}) {
        ChanceSettings settings;
        settings.replicates = 4000;
        settings.steps = 40;
        const Result<ChanceResult> result = runChance(population, settings);
        ASSERT_TRUE(result) << result.error().message;
        ASSERT_EQ(result->exactExtinction.size(), 40u);
        for (int t = 0; t < 40; ++t) {
            const double p = result->exactExtinction[t];
            const double error = std::sqrt(p * (1 - p) / settings.replicates);
            EXPECT_NEAR(result->lossProbability[t], p, 4 * error + 1.0 / settings.replicates)
                << population.matrix.classes() << " classes, step " << t + 1;
            EXPECT_LE(result->lossLower[t], result->lossProbability[t]);
            EXPECT_GE(result->lossUpper[t], result->lossProbability[t]);
        }
    }
}

struct MeanCase {
    std::string name;
    ChancePopulation population;
    bool demographic, environmental, goodAndBadYears;
};

// Whatever the chance, the years are independent and every draw has the
// rate as its mean, so the mean total is the projection by the average matrix.
TEST(Chance, TheMeanOfTheRunsIsTheProjection)
{
    const std::vector<MeanCase> cases = {
        {"whole individuals", kDefault, true, false, false},
        {"varying years", kDefault, false, true, false},
        {"both", kThreeClasses, true, true, false},
        {"both, good and bad years", kDefault, true, true, true},
        {"only survivors breed, both", kSurvivorsBreed, true, true, false},
        {"only survivors breed, good and bad years", kSurvivorsBreed, false, true, true},
    };
    for (const MeanCase& c : cases) {
        ChanceSettings settings;
        settings.replicates = 4000;
        settings.steps = 8;
        settings.demographic = c.demographic;
        settings.environmental = c.environmental;
        settings.goodAndBadYears = c.goodAndBadYears;
        settings.cvFecundity = 0.4;
        settings.cvSurvival = 0.2;
        const Result<ChanceResult> result = runChance(c.population, settings);
        ASSERT_TRUE(result) << c.name << ": " << result.error().message;
        double sum = 0;
        double squares = 0;
        for (double total : result->finalTotals) {
            sum += total;
            squares += total * total;
        }
        const double mean = sum / settings.replicates;
        const double error = std::sqrt((squares / settings.replicates - mean * mean) / settings.replicates);
        EXPECT_NEAR(mean, result->expectedTotal.back(), 4 * error) << c.name;
    }
}

// τ² = Σ S_ij S_kl Cov(a_ij, a_kl), written out over every pair of entries.
// In good and bad years each entry is its quantile function at one uniform u;
// the covariances come from the midpoint rule over u.
double tuljapurkarByDefinition(const LeslieMatrix& m, const ChanceSettings& s)
{
    const LongTermOutlook o = *analyseLongTerm(m);
    std::vector<double> sens = o.sensitivityFecundity;
    sens.insert(sens.end(), o.sensitivitySurvival.begin(), o.sensitivitySurvival.end());
    std::vector<double> mean = m.fecundity;
    mean.insert(mean.end(), m.survival.begin(), m.survival.end());
    const std::size_t entries = mean.size();
    std::vector<std::vector<double>> cov(entries, std::vector<double>(entries, 0.0));
    auto cvOf = [&](std::size_t e) { return e < m.fecundity.size() ? s.cvFecundity : s.cvSurvival; };
    if (!s.goodAndBadYears) {
        for (std::size_t e = 0; e < entries; ++e)
            cov[e][e] = std::pow(cvOf(e) * mean[e], 2);
    } else {
        constexpr int kPoints = 20000;
        for (int i = 0; i < kPoints; ++i) {
            const double u = (i + 0.5) / kPoints;
            std::vector<double> a(entries);
            for (std::size_t e = 0; e < entries; ++e) {
                const double sd = cvOf(e) * mean[e];
                if (e < m.fecundity.size()) {
                    const double s2 = std::log1p(cvOf(e) * cvOf(e));
                    a[e] = gsl_cdf_lognormal_Pinv(u, std::log(mean[e]) - s2 / 2, std::sqrt(s2));
                } else {
                    const double sum = mean[e] * (1 - mean[e]) / (sd * sd) - 1;
                    a[e] = gsl_cdf_beta_Pinv(u, mean[e] * sum, (1 - mean[e]) * sum);
                }
            }
            for (std::size_t e = 0; e < entries; ++e)
                for (std::size_t f = 0; f < entries; ++f)
                    cov[e][f] += (a[e] - mean[e]) * (a[f] - mean[f]) / kPoints;
        }
    }
    double tau2 = 0;
    for (std::size_t e = 0; e < entries; ++e)
        for (std::size_t f = 0; f < entries; ++f)
            tau2 += sens[e] * sens[f] * cov[e][f];
    return std::log(o.lambda) - tau2 / (2 * o.lambda * o.lambda);
}

TEST(Chance, LongRunGrowthInAVaryingEnvironment)
{
    const LeslieMatrix allVary{{0.4, 1.1, 1.6}, {0.6, 0.45}};
    for (bool goodAndBadYears : {false, true}) {
        ChanceSettings settings;
        settings.demographic = false;
        settings.environmental = true;
        settings.replicates = 10;
        settings.goodAndBadYears = goodAndBadYears;
        settings.cvFecundity = 0.3;
        settings.cvSurvival = 0.15;
        const Result<ChanceResult> result = runChance({allVary, {1, 1, 1}, {}}, settings);
        ASSERT_TRUE(result) << result.error().message;
        const std::string name = goodAndBadYears ? "good and bad years" : "independent rates";
        // The midpoint rule over u cuts off the lognormal's far tail: some 4e-6 here.
        EXPECT_NEAR(*result->logLambdaSTuljapurkar, tuljapurkarByDefinition(allVary, settings), 1e-5) << name;
        // Small variation: the approximation and the long run agree closely, both below ln λ.
        EXPECT_NEAR(*result->logLambdaS, *result->logLambdaSTuljapurkar, 0.01) << name;
        EXPECT_LT(*result->logLambdaSLower, *result->logLambdaS);
        EXPECT_GT(*result->logLambdaSUpper, *result->logLambdaS);
        EXPECT_LT(*result->logLambdaSUpper, std::log(result->lambdaAverageMatrix)) << name;
        EXPECT_TRUE(result->exactExtinction.empty());
    }
}

TEST(Chance, SameSeedSameNumbersWhateverTheThreadsAndReplicates)
{
    ChanceSettings settings;
    settings.environmental = true;
    settings.replicates = 1000;
    settings.seed = 77;
    ChanceControl oneThread, threeThreads;
    oneThread.threads = 1;
    threeThreads.threads = 3;
    const Result<ChanceResult> one = runChance(kDefault, settings, oneThread);
    const Result<ChanceResult> three = runChance(kDefault, settings, threeThreads);
    ASSERT_TRUE(one && three);
    EXPECT_EQ(one->finalTotals, three->finalTotals);
    EXPECT_EQ(one->medianTotal, three->medianTotal);
    EXPECT_EQ(one->quantile95Total, three->quantile95Total);
    EXPECT_EQ(one->lossProbability, three->lossProbability);
    EXPECT_EQ(one->sampleTotals, three->sampleTotals);

    settings.replicates = 100;
    const Result<ChanceResult> fewer = runChance(kDefault, settings);
    ASSERT_TRUE(fewer);
    EXPECT_EQ(fewer->finalTotals,
              std::vector<double>(one->finalTotals.begin(), one->finalTotals.begin() + 100));
    EXPECT_EQ(fewer->sampleTotals, one->sampleTotals);

    settings.seed = 78;
    const Result<ChanceResult> other = runChance(kDefault, settings);
    ASSERT_TRUE(other);
    EXPECT_NE(other->finalTotals, fewer->finalTotals);
}

TEST(Chance, WithoutVariationEveryRunIsTheProjection)
{
    ChanceSettings settings;
    settings.demographic = false;
    settings.environmental = true;
    settings.cvFecundity = 0;
    settings.cvSurvival = 0;
    settings.threshold = 20;  // the default population first exceeds 20 at step 4
    const Result<ChanceResult> result = runChance(kDefault, settings);
    ASSERT_TRUE(result);
    for (int t = 0; t <= settings.steps; ++t) {
        EXPECT_DOUBLE_EQ(result->quantile05Total[t], result->expectedTotal[t]);
        EXPECT_DOUBLE_EQ(result->quantile95Total[t], result->expectedTotal[t]);
    }
    EXPECT_EQ(result->lossProbability.front(), 1.0);  // 10 < 20 from the start
    EXPECT_NEAR(*result->logLambdaS, std::log(result->lambdaAverageMatrix), 1e-9);
}

struct BadCase {
    std::string name;
    ChancePopulation population;
    ChanceSettings settings;
    std::string says;
};

TEST(Chance, RefusesBadSettings)
{
    auto with = [](auto change) {
        ChanceSettings s;
        change(s);
        return s;
    };
    const LeslieMatrix uneven{{0, 2}, {0.97}};
    const std::vector<BadCase> cases = {
        {"threshold below 0", kDefault, with([](auto& s) { s.threshold = -1; }), "threshold"},
        {"no replicates", kDefault, with([](auto& s) { s.replicates = 0; }), "replicates"},
        {"too many replicates", kDefault, with([](auto& s) { s.replicates = 100001; }), "100000"},
        {"no steps", kDefault, with([](auto& s) { s.steps = 0; }), "steps"},
        {"too many steps", kDefault, with([](auto& s) { s.steps = 1001; }), "1000"},
        {"no chance", kDefault, with([](auto& s) { s.demographic = false; }), "no chance to simulate"},
        {"negative CV", kDefault, with([](auto& s) {
             s.environmental = true;
             s.cvFecundity = -0.1;
         }),
         "fecundity"},
        // sqrt(0.03 / 0.97) = 0.17586...
        {"CV beyond any beta",
         {uneven, {5, 0}, {}},
         with([](auto& s) {
             s.environmental = true;
             s.cvSurvival = 0.2;
         }),
         "largest possible is 0.175"},
        {"initial of wrong length", {kDefault.matrix, {1, 2}, {}}, {}, "one number per age class"},
        {"young per survivor off the matrix", {kSurvivorsBreed.matrix, {1, 1}, {3, 2}}, {}, "F(0)"},
    };
    for (const BadCase& c : cases) {
        const Result<ChanceResult> result = runChance(c.population, c.settings);
        ASSERT_FALSE(result) << c.name;
        EXPECT_NE(result.error().message.find(c.says), std::string::npos)
            << c.name << ": " << result.error().message;
    }
    ChanceSettings allowed = with([](auto& s) {
        s.environmental = true;
        s.cvSurvival = 0.175;
    });
    EXPECT_TRUE(checkChance({uneven, {5, 0}, {}}, allowed));
}

TEST(Chance, ACancelledRunGivesNoResult)
{
    for (bool inTheLongRun : {false, true}) {
        ChanceSettings settings;
        // With a single short replicate nearly all the work is the long run.
        settings.replicates = inTheLongRun ? 1 : 10000;
        settings.steps = inTheLongRun ? 1 : 100;
        settings.demographic = !inTheLongRun;
        settings.environmental = inTheLongRun;
        std::atomic<bool> cancel = false;
        double seen = 0;
        ChanceControl control{2, &cancel, [&](double done) {
                                  seen = done;
                                  if (done > 0.3)
                                      cancel = true;
                              }};
        const Result<ChanceResult> result = runChance(kDefault, settings, control);
        ASSERT_FALSE(result) << inTheLongRun;
        EXPECT_EQ(result.error().message, kChanceCancelled);
        EXPECT_LT(seen, 0.5);
    }
}

}  // namespace
}  // namespace dalvo
