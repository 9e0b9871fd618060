#include "files/batch_projection.h"

#include <cmath>
#include <string>

namespace dalvo {

namespace {

void formProportions(BatchArrays& a, int t, int n)
{
    for (int j = 0; j <= n; ++j)
        a.BatchProp[t][j] = a.BatchN[t][j] / a.BatchTotal[t];
}

void projectStep(BatchArrays& a, int t, int n)
{
    double births = 0;
    for (int j = 0; j <= n; ++j)
        births = a.BatchN[t - 1][j] * a.BatchFecundity[j] + births;
    a.BatchN[t][0] = births;
    // P(n) would carry the last class past the matrix; it is read, not used.
    for (int j = 1; j <= n; ++j)
        a.BatchN[t][j] = a.BatchN[t - 1][j - 1] * a.BatchSurvival[j - 1];

    double total = 0;
    for (int j = 0; j <= n; ++j)
        total = a.BatchN[t][j] + total;
    a.BatchTotal[t] = total;
    a.BatchGrowth[t - 1] = a.BatchTotal[t] / a.BatchTotal[t - 1];
    formProportions(a, t, n);
}

// The numbers of step t that its lines show, apart from the growth rate.
bool stepValuesFinite(const BatchArrays& a, int t, int n)
{
    for (int j = 0; j <= n; ++j) {
        if (!std::isfinite(a.BatchN[t][j]) || !std::isfinite(a.BatchProp[t][j]))
            return false;
    }
    return std::isfinite(a.BatchTotal[t]);
}

Error overflowAt(int t)
{
    return Error{
        "At step " + std::to_string(t) +
        " the numbers grow beyond what can be computed. Choose a smaller number of steps T or smaller "
        "values."};
}

Result<void> checkWrittenSteps(const BatchArrays& a, int lastStep, int n)
{
    for (int t = 0; t <= lastStep; ++t) {
        const std::string step = std::to_string(t);
        if (a.BatchTotal[t] == 0) {
            if (t == 0)
                return Error{"The initial numbers add up to 0, so there is no population to project."};
            return Error{"At step " + step + " the total S(" + step +
                         ") is 0: the population has died out, so its age distribution and growth rate "
                         "cannot be formed. Choose a number of steps T below " +
                         step + ", or change the data."};
        }
        if (!stepValuesFinite(a, t, n))
            return overflowAt(t);
        // The growth rate looks one step ahead; a total that overflows
        // there belongs to that step.
        if (!std::isfinite(a.BatchGrowth[t]))
            return overflowAt(std::isfinite(a.BatchTotal[t + 1]) ? t : t + 1);
    }
    return {};
}

}  // namespace

Result<void> projectBatch(BatchArrays& a)
{
    const int n = a.BatchLastAge;
    const int lastStep = a.BatchSteps;
    if (n < 0 || n > kBatchLastIndex || lastStep > kBatchLastIndex - 1)
        return Error{"The data describe a matrix or a number of steps beyond what the projection holds."};

    double total = 0;
    for (int j = 0; j <= n; ++j)
        total = a.BatchN[0][j] + total;
    a.BatchTotal[0] = total;
    formProportions(a, 0, n);

    for (int t = 1; t <= lastStep + 1; ++t)
        projectStep(a, t, n);
    return checkWrittenSteps(a, lastStep, n);
}

}  // namespace dalvo
