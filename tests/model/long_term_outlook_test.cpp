// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/long_term_outlook.h"

#include <gtest/gtest.h>

#include <Eigen/Eigenvalues>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <string>

namespace dalvo {
namespace {

constexpr double kTolerance = 1e-9;

void expectClose(double expected, double actual, const std::string& what)
{
    EXPECT_NEAR(actual, expected, kTolerance * std::max(1.0, std::abs(expected))) << what;
}

void expectAllClose(const std::vector<double>& expected, const std::vector<double>& actual,
                    const std::string& what)
{
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t j = 0; j < expected.size(); ++j)
        expectClose(expected[j], actual[j], what + "(" + std::to_string(j) + ")");
}

Eigen::MatrixXd denseMatrix(const LeslieMatrix& m)
{
    const int size = m.classes();
    Eigen::MatrixXd a = Eigen::MatrixXd::Zero(size, size);
    for (int j = 0; j < size; ++j)
        a(0, j) = m.fecundity[j];
    for (int j = 0; j + 1 < size; ++j)
        a(j + 1, j) = m.survival[j];
    return a;
}

Eigen::VectorXd vectorOf(const std::vector<double>& values)
{
    return Eigen::Map<const Eigen::VectorXd>(values.data(), static_cast<Eigen::Index>(values.size()));
}

TEST(LongTermOutlook, MatchesValuesWorkedOutWithAGeneralEigenSolver)
{
    const LeslieMatrix m{{0, 1.5, 2, 0.7}, {0.3, 0.8, 0.6}};
    const Result<LongTermOutlook> result = analyseLongTerm(m);
    ASSERT_TRUE(result) << result.error().message;
    const LongTermOutlook& o = *result;
    expectClose(1.01147450491, o.lambda, "lambda");
    expectClose(0.0114091720825, *o.growthExponent, "r");
    EXPECT_EQ(o.period, 1);
    expectAllClose({0.598681605, 0.177566988, 0.140442087, 0.0833093191}, o.stableDistribution, "w");
    expectAllClose({1, 3.37158168, 2.38783614, 0.692058966}, o.reproductiveValues, "v");
    expectClose(1.65205121477, *o.dampingRatio, "damping ratio");
    expectClose(2.82328400574, *o.oscillationPeriod, "oscillation period");
    expectClose(1.0308, o.netReproductiveRate, "R0");
    expectClose(2.65884321638, *o.generationTime, "generation time");
    expectAllClose({0, 0.165577048, 0.174611933, 0.0362525261}, o.elasticityFecundity, "eF");
    expectAllClose({0.376441507, 0.210864459, 0.0362525261}, o.elasticitySurvival, "eP");
}

struct SpecialCase {
    std::string name;
    LeslieMatrix matrix;
    double lambda;
    std::optional<int> period;
    std::optional<double> dampingRatio;
    std::optional<double> oscillationPeriod;
    double netReproductiveRate;
};

// Cases whose values follow from the matrix by hand.
TEST(LongTermOutlook, SpecialMatrices)
{
    const std::vector<SpecialCase> cases = {
        {"imprimitive, period 3", {{0, 0, 2}, {0.3, 0.6}}, 0.711378660898, 3, {}, {}, 0.36},
        // λ² - λ - 0.25 = 0: the other root is negative, so the numbers swing every step.
        {"two classes", {{1, 0.5}, {0.5}}, (1 + std::sqrt(2.0)) / 2, 1, ((1 + std::sqrt(2.0)) / 2) / ((std::sqrt(2.0) - 1) / 2),
         2.0, 1.25},
        {"one class", {{1.3}, {}}, 1.3, 1, {}, {}, 1.3},
        {"only the newborn reproduce, older classes after them", {{0.9, 0, 0}, {0.5, 0.5}}, 0.9, 1, {}, {}, 0.9},
        {"no one reproduces", {{0, 0, 0}, {1, 1}}, 0, {}, {}, {}, 0},
        {"the reproducing class is never reached", {{0, 0, 4}, {0.5, 0}}, 0, {}, {}, {}, 0},
        // λ³ - 0.5 λ - 0.5 = (λ - 1)(λ² + λ + 0.5): the other roots are -0.5 ± 0.5i.
        {"stationary", {{0, 0.5, 1}, {1, 0.5}}, 1, 1, std::sqrt(2.0), 8.0 / 3, 1},
    };
    for (const SpecialCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<LongTermOutlook> result = analyseLongTerm(c.matrix);
        ASSERT_TRUE(result) << result.error().message;
        expectClose(c.lambda, result->lambda, "lambda");
        EXPECT_EQ(result->period, c.period);
        ASSERT_EQ(result->dampingRatio.has_value(), c.dampingRatio.has_value());
        if (c.dampingRatio)
            expectClose(*c.dampingRatio, *result->dampingRatio, "damping ratio");
        ASSERT_EQ(result->oscillationPeriod.has_value(), c.oscillationPeriod.has_value());
        if (c.oscillationPeriod)
            expectClose(*c.oscillationPeriod, *result->oscillationPeriod, "oscillation period");
        expectClose(c.netReproductiveRate, result->netReproductiveRate, "R0");
        EXPECT_EQ(result->eigenvalues.size(), c.matrix.fecundity.size());
        if (result->diesOut()) {
            EXPECT_FALSE(result->growthExponent);
            EXPECT_FALSE(result->generationTime);
            EXPECT_TRUE(result->stableDistribution.empty());
            EXPECT_TRUE(result->elasticitySurvival.empty());
        }
    }
}

struct EdgeCase {
    std::string name;
    LeslieMatrix matrix;
    double lambda;
    int period;
    double dampingRatio;  // λ / |λ2|
    double oscillationPeriod;  // 2π / |arg λ2|
};

// Reference values from the characteristic polynomial's roots worked out to
// 60 digits by an arbitrary-precision polynomial root finder, outside this
// program, from the same binary values of the entries.
TEST(LongTermOutlook, SubdominantRootStaysAccurateWhenTheEntriesSpanManyOrdersOfMagnitude)
{
    const std::vector<EdgeCase> cases = {
        {"huge fecundities", {std::vector<double>(4, 1e6), {1, 1, 1}}, 1000001.0, 1, 1000001.25000034375,
         3.99999936338112473},
        {"huge fecundities, tiny survival", {std::vector<double>(4, 1e6), {1e-9, 1e-9, 1e-9}}, 1000000.000000001, 1,
         1000000000000001.19, 3.99999999999999936},
        {"every entry tiny", {std::vector<double>(4, 1e-9), {1e-9, 1e-9, 1e-9}}, 1.92756197548292542e-9, 1, 2.3556376366826397,
         3.77533179184423083},
        {"the default matrix", {{0, 1, 2, 1}, {0.5, 1, 0.5}}, 1.21977495564459986, 1, 1.43529353618452327,
         2.91700827666470455},
        {"two classes, λ2 just below λ", {{1e-9, 1e6}, {1e-9}}, 0.0316227771016837983, 1, 1.0000000316227771, 2},
        {"entries from 1e-9 to 1e6", {{1e-9, 1e6, 1e-3, 5e2, 1e-9, 2e5}, {1e-3, 0.9, 1e-9, 0.5, 1e-6}},
         31.6227766026338008, 1, 1.00000000006008328, 2},
        {"twelve classes",
         {{0, 0, 0.5, 1, 2, 3, 3, 2, 1, 0.5, 0.2, 0.1}, {0.9, 0.8, 0.85, 0.9, 0.95, 0.9, 0.8, 0.7, 0.6, 0.5, 0.4}},
         1.37396090444845241, 1, 1.28725711124350018, 6.02064581230318325},
        {"ten classes, settling very slowly", {{0, 0, 0, 0, 0, 0, 0, 0, 0.5, 1e-9}, std::vector<double>(9, 1)},
         0.925874712509512651, 1, 1.00000000005615244, 9.00000000198887693},
        {"huge and tiny, period 2", {{0, 1e6, 0, 1e6}, {1e-9, 1, 1e-9}}, 0.031622792413052331, 2, 0, 0},
    };
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<LongTermOutlook> result = analyseLongTerm(c.matrix);
        ASSERT_TRUE(result) << result.error().message;
        EXPECT_NEAR(result->lambda, c.lambda, 1e-9 * c.lambda);
        EXPECT_EQ(result->period, c.period);
        if (c.period > 1) {
            EXPECT_FALSE(result->dampingRatio);
            continue;
        }
        ASSERT_TRUE(result->dampingRatio && result->oscillationPeriod);
        EXPECT_NEAR(*result->dampingRatio, c.dampingRatio, 1e-9 * c.dampingRatio);
        EXPECT_NEAR(*result->oscillationPeriod, c.oscillationPeriod, 1e-9 * c.oscillationPeriod);
        EXPECT_NEAR(std::abs(result->eigenvalues[1]), c.lambda / c.dampingRatio, 1e-9 * c.lambda / c.dampingRatio);
    }
}

TEST(LongTermOutlook, GenerationTimeIsContinuousThroughLambdaOne)
{
    // With F = (0, f, f) and P = (1, 1), λ = 1 at f = 0.5, where the mean age
    // of mothers is (2 + 3) / 2.
    for (double f : {0.5, 0.5 + 1e-12, 0.5 - 1e-9, 0.5 + 1e-5}) {
        const Result<LongTermOutlook> result = analyseLongTerm({{0, f, f}, {1, 1}});
        ASSERT_TRUE(result);
        EXPECT_NEAR(*result->generationTime, 2.5, 1e-4) << f;
        if (std::abs(std::log(result->lambda)) > 1e-6)
            expectClose(std::log(result->netReproductiveRate) / std::log(result->lambda), *result->generationTime,
                        "ln R0 / ln λ");
    }
}

TEST(LongTermOutlook, RefusesMatricesItCannotAnalyse)
{
    const std::vector<std::pair<std::string, LeslieMatrix>> cases = {
        {"no classes", {{}, {}}},
        {"102 classes", {std::vector<double>(102, 1), std::vector<double>(101, 0.5)}},
        {"survival list too short", {{0, 1, 1}, {0.5}}},
        {"negative fecundity", {{0, -1, 1}, {0.5, 0.5}}},
        {"fecundity not finite", {{0, HUGE_VAL, 1}, {0.5, 0.5}}},
        {"fecundity not a number", {{0, std::nan(""), 1}, {0.5, 0.5}}},
        {"survival above 1", {{0, 1, 1}, {1.01, 0.5}}},
        {"negative survival", {{0, 1, 1}, {0.5, -0.5}}},
    };
    for (const auto& [name, matrix] : cases) {
        const Result<LongTermOutlook> result = analyseLongTerm(matrix);
        ASSERT_FALSE(result) << name;
        EXPECT_FALSE(result.error().message.empty()) << name;
    }
}

// Random Leslie matrices of every size: the defining properties hold.
class RandomLeslie {
public:
    explicit RandomLeslie(unsigned seed) : engine_(seed) {}

    LeslieMatrix next(int classes, int period)
    {
        std::uniform_real_distribution<double> fecundity(0.0, 3.0);
        std::uniform_real_distribution<double> survival(0.3, 1.0);
        std::bernoulli_distribution reproduces(0.6);
        LeslieMatrix m;
        for (int j = 0; j < classes; ++j)
            m.fecundity.push_back((j + 1) % period == 0 && reproduces(engine_) ? fecundity(engine_) : 0.0);
        // Classes `period` and the oldest multiple of it reproduce, so the
        // period is exactly `period`.
        m.fecundity[period - 1] = fecundity(engine_) + 0.1;
        m.fecundity[classes - 1 - (classes % period)] = fecundity(engine_) + 0.1;
        for (int j = 0; j + 1 < classes; ++j)
            m.survival.push_back(survival(engine_));
        return m;
    }

private:
    std::mt19937 engine_;
};

void checkProperties(const LeslieMatrix& m, const LongTermOutlook& o)
{
    const Eigen::MatrixXd a = denseMatrix(m);
    const Eigen::VectorXd w = vectorOf(o.stableDistribution);
    const Eigen::VectorXd v = vectorOf(o.reproductiveValues);
    EXPECT_NEAR(w.sum(), 1.0, kTolerance);
    EXPECT_LE((a * w - o.lambda * w).cwiseAbs().maxCoeff(), kTolerance * o.lambda * w.cwiseAbs().maxCoeff())
        << "A w = λ w";
    EXPECT_LE((v.transpose() * a - o.lambda * v.transpose()).cwiseAbs().maxCoeff(),
              kTolerance * o.lambda * v.cwiseAbs().maxCoeff())
        << "v A = λ v";
    EXPECT_NEAR(v(0), 1.0, kTolerance);
    const double elasticities =
        std::accumulate(o.elasticityFecundity.begin(), o.elasticityFecundity.end(), 0.0) +
        std::accumulate(o.elasticitySurvival.begin(), o.elasticitySurvival.end(), 0.0);
    EXPECT_NEAR(elasticities, 1.0, kTolerance);
    // The eigenvalues add up to the trace, F(0).
    std::complex<double> sum = 0;
    for (const std::complex<double>& root : o.eigenvalues)
        sum += root;
    EXPECT_NEAR(sum.real(), m.fecundity[0], kTolerance * o.lambda * m.classes());
    EXPECT_NEAR(sum.imag(), 0.0, kTolerance * o.lambda * m.classes());
}

TEST(LongTermOutlook, RandomPrimitiveMatricesOfEverySize)
{
    RandomLeslie random(20261208);
    for (int classes = 1; classes <= kMaxAgeClasses; ++classes) {
        const LeslieMatrix m = random.next(classes, 1);
        const Result<LongTermOutlook> result = analyseLongTerm(m);
        ASSERT_TRUE(result) << classes;
        SCOPED_TRACE(std::to_string(classes) + " classes");
        checkProperties(m, *result);
        const int period = *result->period;
        for (int k = 1; k < period; ++k)
            EXPECT_LT(std::abs(result->eigenvalues[k]), result->lambda * (1 + kTolerance));
    }
}

TEST(LongTermOutlook, RandomImprimitiveMatricesCycleOnTheCircleOfRadiusLambda)
{
    RandomLeslie random(7);
    for (int period : {2, 3, 4, 7}) {
        for (int classes = period; classes <= kMaxAgeClasses; classes += 9) {
            const LeslieMatrix m = random.next(classes, period);
            const Result<LongTermOutlook> result = analyseLongTerm(m);
            ASSERT_TRUE(result);
            SCOPED_TRACE(std::to_string(classes) + " classes, period " + std::to_string(period));
            EXPECT_EQ(result->period, period);
            EXPECT_FALSE(result->dampingRatio);
            EXPECT_FALSE(result->oscillationPeriod);
            checkProperties(m, *result);
            for (int k = 0; k < period; ++k)
                EXPECT_NEAR(std::abs(result->eigenvalues[k]), result->lambda, kTolerance * result->lambda) << k;
            if (classes > period) {
                EXPECT_LT(std::abs(result->eigenvalues[period]), result->lambda * (1 - 1e-6));
            }
        }
    }
}

// The roots against a general eigen-solver on the unscaled matrix, for sizes
// where that solver is itself accurate.
TEST(LongTermOutlook, DominantAndSubdominantRootsAgreeWithAGeneralSolver)
{
    RandomLeslie random(42);
    for (int classes = 2; classes <= 12; ++classes) {
        const LeslieMatrix m = random.next(classes, 1);
        const Result<LongTermOutlook> result = analyseLongTerm(m);
        ASSERT_TRUE(result);
        Eigen::EigenSolver<Eigen::MatrixXd> solver(denseMatrix(m), false);
        std::vector<std::complex<double>> roots(solver.eigenvalues().begin(), solver.eigenvalues().end());
        std::sort(roots.begin(), roots.end(), [](auto a, auto b) { return std::abs(a) > std::abs(b); });
        expectClose(roots[0].real(), result->lambda, "lambda, " + std::to_string(classes) + " classes");
        if (result->dampingRatio) {
            EXPECT_NEAR(*result->dampingRatio, std::abs(roots[0]) / std::abs(roots[1]), 1e-8) << classes;
        }
    }
}

}  // namespace
}  // namespace dalvo
