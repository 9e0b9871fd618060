// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/long_term_outlook.h"

#include <Eigen/Eigenvalues>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <numeric>
#include <string>

#include "model/source_text.h"

namespace dalvo {

namespace {

Result<void> checkMatrix(const LeslieMatrix& m)
{
    const int classes = m.classes();
    if (classes < 1 || classes > kMaxAgeClasses)
        return explained(
            sourceText("dalvo::Error", "A matrix of %1 age classes cannot be analysed: it needs 1 to %2."),
            {std::to_string(classes), std::to_string(kMaxAgeClasses)});
    if (static_cast<int>(m.survival.size()) != classes - 1)
        return explained(
            sourceText("dalvo::Error", "The matrix needs one survival rate fewer than it has age classes."));
    for (int j = 0; j < classes; ++j) {
        const double f = m.fecundity[j];
        if (!std::isfinite(f) || f < 0)
            return explained(sourceText("dalvo::Error", "The fecundity F(%1) is not a number of zero or more, so the "
                                                        "long-term outlook cannot be worked out."),
                             {std::to_string(j)});
    }
    for (int j = 0; j + 1 < classes; ++j) {
        const double p = m.survival[j];
        if (!std::isfinite(p) || p < 0 || p > 1)
            return explained(sourceText("dalvo::Error", "The survival rate P(%1) is not between 0 and 1, so the "
                                                        "long-term outlook cannot be worked out."),
                             {std::to_string(j)});
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

// The coefficients T(k) = Σ_{j >= k} F(j) l(j) λ^-(j+1) of the characteristic
// polynomial of the scaled matrix D^-1 A D / λ divided by (z - 1), up to the
// last class that reproduces; the classes after it only add zeros. The scaled
// matrix is a companion matrix whose first row holds F(j) l(j) λ^-(j+1),
// adding up to 1, so its polynomial z^m - Σ φ(j) z^(m-1-j) has the root 1,
// and the quotient's coefficients are the tail sums: sums of positive terms.
// Working on the quotient instead of the whole matrix keeps the other roots
// accurate even when they are many orders of magnitude smaller than λ; the
// tails are summed as logarithms so that a tiny tail does not vanish.
std::vector<double> deflatedCoefficients(const std::vector<double>& logMaternity, double x, int last)
{
    std::vector<double> tail(static_cast<std::size_t>(last) + 1);
    tail[0] = 1;
    double largest = -HUGE_VAL;
    double sum = 0;
    for (int j = last; j >= 1; --j) {
        const double logTerm = logMaternity[j] - (j + 1) * x;
        if (logTerm > largest) {
            sum = sum * std::exp(largest - logTerm) + 1;
            largest = logTerm;
        } else if (logTerm != -HUGE_VAL) {
            sum += std::exp(logTerm - largest);
        }
        tail[j] = sum == 0 ? 0 : std::exp(largest + std::log(sum));
    }
    return tail;
}

// Diagonal similarity by powers of 2 until each row and column carry weights
// of one size (Parlett and Reinsch), so the eigenvalues of a companion matrix
// with coefficients of very different sizes come out to full relative
// precision. It keeps the matrix upper Hessenberg.
void balance(Eigen::MatrixXd& a)
{
    const Eigen::Index size = a.rows();
    for (bool changed = true; changed;) {
        changed = false;
        for (Eigen::Index i = 0; i < size; ++i) {
            double column = 0;
            double row = 0;
            for (Eigen::Index j = 0; j < size; ++j) {
                if (j != i) {
                    column += std::abs(a(j, i));
                    row += std::abs(a(i, j));
                }
            }
            if (column == 0 || row == 0)
                continue;
            const double before = column + row;
            double factor = 1;
            while (column < row / 2 && factor < 0x1p500) {
                factor *= 2;
                column *= 4;
            }
            while (column >= row * 2 && factor > 0x1p-500) {
                factor /= 2;
                column /= 4;
            }
            if ((column + row) / factor < 0.95 * before) {
                changed = true;
                a.row(i) /= factor;
                a.col(i) *= factor;
            }
        }
    }
}

std::vector<std::complex<double>> schurEigenvalues(const Eigen::MatrixXd& hessenberg)
{
    const Eigen::Index size = hessenberg.rows();
    Eigen::RealSchur<Eigen::MatrixXd> schur(size);
    schur.computeFromHessenberg(hessenberg, Eigen::MatrixXd::Identity(size, size), false);
    const Eigen::MatrixXd& t = schur.matrixT();
    std::vector<std::complex<double>> roots;
    roots.reserve(static_cast<std::size_t>(size));
    for (Eigen::Index i = 0; i < size; ++i) {
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

// Refines all roots of the monic polynomial together by the Aberth-Ehrlich
// iteration in extended precision, starting from the eigen-solver's roots.
// Those can be off in their leading digits when many roots crowd a circle,
// and a root refined on its own could then settle on a neighbour's; refined
// together, each is pushed away from the others. A real start is moved off
// the axis by a trace, so that two real starts can still become a pair.
// The roots come back in conjugate pairs, and as they were if they do not.
void refineRoots(const std::vector<double>& coefficients, std::vector<std::complex<double>>& roots)
{
    using Wide = std::complex<long double>;
    // 1 / d without the library's general complex division, which guards
    // against overflow at many times the cost; no difference here comes near
    // the range's ends.
    const auto reciprocal = [](Wide d) {
        const long double norm = d.real() * d.real() + d.imag() * d.imag();
        return Wide(d.real() / norm, -d.imag() / norm);
    };
    std::vector<Wide> z;
    for (const std::complex<double>& root : roots)
        z.emplace_back(root.real(), root.imag() == 0 ? 1e-9L * std::abs(root) : root.imag());
    const long double precision = 8 * std::numeric_limits<long double>::epsilon();
    // A root stops moving once its step is within the precision, or once its
    // steps stop shrinking while already this small: then it sits at the
    // rounding noise of the polynomial, and further steps only wander.
    const long double noiseFloor = 1e-13L;
    std::vector<long double> lastStep(z.size(), std::numeric_limits<long double>::infinity());
    std::vector<bool> settled(z.size(), false);
    for (int iteration = 0; iteration < 200; ++iteration) {
        std::vector<Wide> next = z;
        bool moved = false;
        for (std::size_t i = 0; i < z.size(); ++i) {
            if (settled[i])
                continue;
            Wide value = 1;
            Wide derivative = 0;
            for (std::size_t k = 1; k < coefficients.size(); ++k) {
                derivative = derivative * z[i] + value;
                value = value * z[i] + static_cast<long double>(coefficients[k]);
            }
            if (value == Wide(0) || derivative == Wide(0)) {
                settled[i] = true;
                continue;
            }
            const Wide ratio = value * reciprocal(derivative);
            Wide repulsion = 0;
            for (std::size_t k = 0; k < z.size(); ++k) {
                if (k != i && z[k] != z[i])
                    repulsion += reciprocal(z[i] - z[k]);
            }
            const Wide step = ratio * reciprocal(Wide(1) - ratio * repulsion);
            next[i] = z[i] - step;
            const long double size = std::abs(step);
            const long double scale = std::abs(z[i]);
            settled[i] = size <= precision * scale || (size <= noiseFloor * scale && size >= lastStep[i] / 2);
            lastStep[i] = size;
            moved = moved || !settled[i];
        }
        if (!std::all_of(next.begin(), next.end(), [](const Wide& w) {
                return std::isfinite(w.real()) && std::isfinite(w.imag());
            }))
            return;
        z = std::move(next);
        if (!moved)
            break;
    }
    // A root this close to the axis is real to the double's precision.
    std::vector<std::complex<double>> refined;
    std::size_t above = 0;
    std::size_t below = 0;
    for (const Wide& w : z) {
        const std::complex<double> root(static_cast<double>(w.real()), static_cast<double>(w.imag()));
        if (std::abs(root.imag()) <= 1e-12 * std::abs(root)) {
            refined.emplace_back(root.real(), 0);
        } else if (root.imag() > 0) {
            refined.insert(refined.end(), {root, std::conj(root)});
            ++above;
        } else {
            ++below;
        }
    }
    if (above == below)
        roots = std::move(refined);
}

// Every eigenvalue of the scaled matrix: 1 first, then the roots of the
// deflated polynomial by falling modulus, a root with a positive imaginary
// part before its conjugate.
std::vector<std::complex<double>> scaledEigenvalues(const std::vector<double>& logMaternity, double x, int last)
{
    std::vector<std::complex<double>> roots;
    const std::vector<double> t = deflatedCoefficients(logMaternity, x, last);
    const Eigen::Index degree = last;
    if (degree > 0) {
        Eigen::MatrixXd companion = Eigen::MatrixXd::Zero(degree, degree);
        for (Eigen::Index k = 0; k < degree; ++k)
            companion(0, k) = -t[static_cast<std::size_t>(k) + 1];
        for (Eigen::Index k = 1; k < degree; ++k)
            companion(k, k - 1) = 1;
        balance(companion);
        roots = schurEigenvalues(companion);
        refineRoots(t, roots);
    }
    std::stable_sort(roots.begin(), roots.end(), [](auto a, auto b) {
        if (std::abs(a) != std::abs(b))
            return std::abs(a) > std::abs(b);
        return a.imag() > b.imag();
    });
    roots.insert(roots.begin(), 1.0);
    return roots;
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

bool LongTermOutlook::alternates() const
{
    return settles() && eigenvalues.size() > 1 && eigenvalues[1].imag() == 0 && eigenvalues[1].real() < 0;
}

bool startHasFutureBreeders(const LeslieMatrix& matrix, std::span<const double> initial)
{
    // From the oldest class down: a class leads to young when it has young or
    // survives into a class that leads to them.
    bool leadsToYoung = false;
    for (int j = matrix.classes() - 1; j >= 0; --j) {
        leadsToYoung = matrix.fecundity[j] > 0 ||
                       (leadsToYoung && j < static_cast<int>(matrix.survival.size()) && matrix.survival[j] > 0);
        if (leadsToYoung && j < static_cast<int>(initial.size()) && initial[j] > 0)
            return true;
    }
    return false;
}

bool onlyYoungestClassBreeds(const LeslieMatrix& matrix)
{
    return !matrix.fecundity.empty() && matrix.fecundity[0] > 0 &&
           std::all_of(matrix.fecundity.begin() + 1, matrix.fecundity.end(), [](double f) { return f == 0; });
}

int decimalsFor(double value, int significantDigits, int fewestDecimals)
{
    if (value == 0 || !std::isfinite(value))
        return fewestDecimals;
    const int leading = static_cast<int>(std::floor(std::log10(std::abs(value))));
    return std::clamp(significantDigits - 1 - leading, fewestDecimals, 20);
}

int dampingRatioDecimals(double dampingRatio)
{
    return std::max(2, decimalsFor(dampingRatio - 1, 2, 0));
}

double intervalsToShrinkTenfold(double dampingRatio)
{
    return std::log(10.0) / std::log(dampingRatio);
}

int nearestPowerOfTen(double factor)
{
    return static_cast<int>(std::lround(std::log10(factor)));
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

    const std::vector<std::complex<double>> scaled = scaledEigenvalues(logPhi, x, last);
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
        return explained(sourceText("dalvo::Error",
                                    "The matrix's numbers are too extreme for its long-term outlook to be worked out."));
    return outlook;
}

}  // namespace dalvo
