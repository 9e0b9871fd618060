#include "model/long_term_outlook.h"

#include <Eigen/Eigenvalues>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <string>

namespace dalvo {

namespace {

Result<void> checkMatrix(const LeslieMatrix& m)
{
    const int classes = m.classes();
    if (classes < 1 || classes > kMaxAgeClasses)
        return Error{"A matrix of " + std::to_string(classes) + " age classes cannot be analysed: it needs 1 to " +
                     std::to_string(kMaxAgeClasses) + "."};
    if (static_cast<int>(m.survival.size()) != classes - 1)
        return Error{"The matrix needs one survival rate fewer than it has age classes."};
    for (int j = 0; j < classes; ++j) {
        const double f = m.fecundity[j];
        if (!std::isfinite(f) || f < 0)
            return Error{"The fecundity F(" + std::to_string(j) +
                         ") is not a number of zero or more, so the long-term outlook cannot be worked out."};
    }
    for (int j = 0; j + 1 < classes; ++j) {
        const double p = m.survival[j];
        if (!std::isfinite(p) || p < 0 || p > 1)
            return Error{"The survival rate P(" + std::to_string(j) +
                         ") is not between 0 and 1, so the long-term outlook cannot be worked out."};
    }
    return {};
}

// ln of the net maternity F(j) l(j) of each class; -inf where a class never
// reproduces or is never reached. Kept as logarithms so that long lives of
// low survival do not vanish below the smallest double.
std::vector<double> logMaternity(const LeslieMatrix& m)
{
    std::vector<double> result(m.classes());
    double logSurvivorship = 0;  // ln l(j)
    for (int j = 0; j < m.classes(); ++j) {
        result[j] = logSurvivorship + std::log(m.fecundity[j]);
        if (j + 1 < m.classes())
            logSurvivorship += std::log(m.survival[j]);
    }
    return result;
}

// ln of sum_j exp(a(j) - (j + 1) x) and the weighted mean of (j + 1) under
// those terms, which is minus its derivative in x.
struct EulerLotkaSum {
    double logValue;
    double meanAge;
};

EulerLotkaSum eulerLotkaSum(const std::vector<double>& logMaternity, double x)
{
    double largest = -HUGE_VAL;
    for (std::size_t j = 0; j < logMaternity.size(); ++j)
        largest = std::max(largest, logMaternity[j] - static_cast<double>(j + 1) * x);
    double sum = 0;
    double weighted = 0;
    for (std::size_t j = 0; j < logMaternity.size(); ++j) {
        const double term = std::exp(logMaternity[j] - static_cast<double>(j + 1) * x - largest);
        sum += term;
        weighted += static_cast<double>(j + 1) * term;
    }
    return {largest + std::log(sum), weighted / sum};
}

// The root x = ln λ of the Euler-Lotka equation. Its left side falls with a
// slope between -(n + 1) and -1, so the root lies within a bracket read off
// its value at 0; Newton steps that leave the bracket become bisections.
double solveEulerLotka(const std::vector<double>& logMaternity)
{
    const double atZero = eulerLotkaSum(logMaternity, 0).logValue;
    const double steepest = static_cast<double>(logMaternity.size());
    double low = atZero > 0 ? atZero / steepest : atZero;
    double high = atZero > 0 ? atZero : atZero / steepest;
    double x = atZero > 0 ? low : high;
    for (int iteration = 0; iteration < 200; ++iteration) {
        const EulerLotkaSum at = eulerLotkaSum(logMaternity, x);
        if (at.logValue == 0)
            return x;
        (at.logValue > 0 ? low : high) = x;
        double next = x + at.logValue / at.meanAge;
        if (!(next > low && next < high))
            next = low + (high - low) / 2;
        if (next == x || high - low <= 4 * std::numeric_limits<double>::epsilon() * std::max(1.0, std::abs(x)))
            return next;
        x = next;
    }
    return x;
}

// w(j) proportional to l(j) λ^-j, scaled to add up to 1.
std::vector<double> stableDistribution(const LeslieMatrix& m, double x)
{
    std::vector<double> logW(m.classes());
    double logSurvivorship = 0;
    for (int j = 0; j < m.classes(); ++j) {
        logW[j] = logSurvivorship - j * x;
        if (j + 1 < m.classes())
            logSurvivorship += std::log(m.survival[j]);
    }
    const double largest = *std::max_element(logW.begin(), logW.end());
    std::vector<double> w(m.classes());
    for (int j = 0; j < m.classes(); ++j)
        w[j] = std::exp(logW[j] - largest);
    const double sum = std::accumulate(w.begin(), w.end(), 0.0);
    for (double& value : w)
        value /= sum;
    return w;
}

std::vector<double> reproductiveValues(const LeslieMatrix& m, double lambda)
{
    const int n = m.classes() - 1;
    std::vector<double> v(m.classes());
    v[n] = m.fecundity[n] / lambda;
    for (int j = n - 1; j >= 0; --j)
        v[j] = (m.fecundity[j] + m.survival[j] * v[j + 1]) / lambda;
    return v;
}

// The mean of the Euler-Lotka mean age over [0, r], by 8-point Gauss-Legendre
// quadrature: it equals ln R0 / r, which near r = 0 would divide one rounding
// error by another.
double generationTimeNearOne(const std::vector<double>& logMaternity, double r)
{
    static constexpr double nodes[4] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                        0.9602898564975363};
    static constexpr double weights[4] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                          0.1012285362903763};
    double sum = 0;
    for (int k = 0; k < 4; ++k) {
        for (double sign : {-1.0, 1.0}) {
            const double x = r / 2 * (1 + sign * nodes[k]);
            sum += weights[k] * eulerLotkaSum(logMaternity, x).meanAge;
        }
    }
    return sum / 2;
}

// The eigenvalues of the classes up to the last one that reproduces; the
// classes after it only add zeros. Scaled by the stable distribution the
// matrix becomes D^-1 A D / λ: a companion matrix whose first row holds
// F(j) l(j) λ^-(j+1), adding up to 1, with ones below the diagonal. It is
// already upper Hessenberg, which is where the real Schur form starts.
std::vector<std::complex<double>> scaledEigenvalues(const std::vector<double>& logMaternity, double x, int last)
{
    const int size = last + 1;
    Eigen::MatrixXd companion = Eigen::MatrixXd::Zero(size, size);
    for (int j = 0; j < size; ++j)
        companion(0, j) = std::exp(logMaternity[j] - (j + 1) * x);
    for (int j = 1; j < size; ++j)
        companion(j, j - 1) = 1;

    Eigen::RealSchur<Eigen::MatrixXd> schur(size);
    schur.computeFromHessenberg(companion, Eigen::MatrixXd::Identity(size, size), false);
    const Eigen::MatrixXd& t = schur.matrixT();
    std::vector<std::complex<double>> roots;
    roots.reserve(size);
    for (int i = 0; i < size; ++i) {
        if (i + 1 < size && t(i + 1, i) != 0) {
            // A 2 x 2 block holds a pair of complex conjugate roots.
            const double mean = (t(i, i) + t(i + 1, i + 1)) / 2;
            const double half = (t(i, i) - t(i + 1, i + 1)) / 2;
            const double discriminant = half * half + t(i, i + 1) * t(i + 1, i);
            const double imaginary = std::sqrt(std::abs(discriminant));
            if (discriminant < 0) {
                roots.emplace_back(mean, imaginary);
                roots.emplace_back(mean, -imaginary);
            } else {
                roots.emplace_back(mean + imaginary, 0);
                roots.emplace_back(mean - imaginary, 0);
            }
            ++i;
        } else {
            roots.emplace_back(t(i, i), 0);
        }
    }
    return roots;
}

// Dominant root first (the one nearest 1 on the scaled matrix), then by
// falling modulus, a root with a positive imaginary part before its conjugate.
void orderRoots(std::vector<std::complex<double>>& roots)
{
    const auto dominant = std::min_element(roots.begin(), roots.end(), [](auto a, auto b) {
        return std::abs(a - 1.0) < std::abs(b - 1.0);
    });
    std::iter_swap(roots.begin(), dominant);
    roots.front() = 1.0;
    std::stable_sort(roots.begin() + 1, roots.end(), [](auto a, auto b) {
        if (std::abs(a) != std::abs(b))
            return std::abs(a) > std::abs(b);
        return a.imag() > b.imag();
    });
}

// Tiny survival with tiny λ can push reproductive values past the largest
// double; such an outlook would show infinities, so it is refused instead.
bool allFinite(const LongTermOutlook& o)
{
    auto finite = [](const std::vector<double>& values) {
        return std::all_of(values.begin(), values.end(), [](double value) { return std::isfinite(value); });
    };
    auto finiteIfSet = [](std::optional<double> value) { return !value || std::isfinite(*value); };
    return std::isfinite(o.lambda) && std::isfinite(o.netReproductiveRate) && finiteIfSet(o.growthExponent) &&
           finiteIfSet(o.dampingRatio) && finiteIfSet(o.oscillationPeriod) && finiteIfSet(o.generationTime) &&
           finite(o.stableDistribution) && finite(o.reproductiveValues) && finite(o.sensitivityFecundity) &&
           finite(o.sensitivitySurvival) && finite(o.elasticityFecundity) && finite(o.elasticitySurvival);
}

}  // namespace

std::optional<double> LongTermOutlook::doublingOrHalvingTime() const
{
    if (!growthExponent || *growthExponent == 0)
        return std::nullopt;
    return std::numbers::ln2 / std::abs(*growthExponent);
}

Result<LongTermOutlook> analyseLongTerm(const LeslieMatrix& matrix)
{
    if (Result<void> checked = checkMatrix(matrix); !checked)
        return checked.error();

    LongTermOutlook outlook;
    outlook.classes = matrix.classes();
    const std::vector<double> logPhi = logMaternity(matrix);
    int last = -1;
    int period = 0;
    for (int j = 0; j < matrix.classes(); ++j) {
        if (logPhi[j] == -HUGE_VAL)
            continue;
        outlook.netReproductiveRate += std::exp(logPhi[j]);
        period = std::gcd(period, j + 1);
        last = j;
    }
    if (last < 0) {
        outlook.eigenvalues.assign(matrix.classes(), 0.0);
        return outlook;
    }

    const double x = solveEulerLotka(logPhi);
    const double lambda = std::exp(x);
    outlook.lambda = lambda;
    outlook.growthExponent = x;
    outlook.period = period;

    outlook.stableDistribution = stableDistribution(matrix, x);
    outlook.reproductiveValues = reproductiveValues(matrix, lambda);
    const std::vector<double>& w = outlook.stableDistribution;
    const std::vector<double>& v = outlook.reproductiveValues;
    const double vw = std::inner_product(v.begin(), v.end(), w.begin(), 0.0);
    for (int j = 0; j < matrix.classes(); ++j) {
        const double s = v[0] * w[j] / vw;
        outlook.sensitivityFecundity.push_back(s);
        outlook.elasticityFecundity.push_back(matrix.fecundity[j] * s / lambda);
    }
    for (int j = 0; j + 1 < matrix.classes(); ++j) {
        const double s = v[j + 1] * w[j] / vw;
        outlook.sensitivitySurvival.push_back(s);
        outlook.elasticitySurvival.push_back(matrix.survival[j] * s / lambda);
    }

    if (lambda == 1)
        outlook.generationTime = eulerLotkaSum(logPhi, 0).meanAge;
    else if (std::abs(x) < 1e-3)
        outlook.generationTime = generationTimeNearOne(logPhi, x);
    else
        outlook.generationTime = std::log(outlook.netReproductiveRate) / x;

    std::vector<std::complex<double>> scaled = scaledEigenvalues(logPhi, x, last);
    orderRoots(scaled);
    for (const std::complex<double>& root : scaled)
        outlook.eigenvalues.push_back(root * lambda);
    outlook.eigenvalues.resize(matrix.classes(), 0.0);

    if (period == 1 && scaled.size() > 1) {
        const std::complex<double> second = scaled[1];
        outlook.dampingRatio = 1 / std::abs(second);
        if (second.imag() != 0 || second.real() < 0)
            outlook.oscillationPeriod = 2 * std::numbers::pi / std::abs(std::arg(second));
    }
    if (!allFinite(outlook))
        return Error{"The matrix's numbers are too extreme for its long-term outlook to be worked out."};
    return outlook;
}

}  // namespace dalvo
