// The batch projection's program-wide state: the data file's name, its matrix and every projected step.
#pragma once

#include <cstdint>
#include <string>

namespace dalvo {

// Indices 0..100: up to 101 age classes, and steps 0..100 so that the
// growth rate of the last written step, at most 99, can be formed.
inline constexpr int kBatchLastIndex = 100;
inline constexpr int kBatchSlots = kBatchLastIndex + 1;

// Values of an earlier run stay where a later run does not overwrite them;
// nothing but the batch projection reads them.
struct BatchArrays {
    std::string BatchFileName;
    std::string BatchLabel;                           // every label of the data file in turn; never used
    std::int16_t BatchLastAge = 0;                    // n: age classes 0..n
    std::int16_t BatchSteps = 0;                      // T: the last step written
    double BatchFecundity[kBatchSlots] = {};          // F(j)
    double BatchSurvival[kBatchSlots] = {};           // P(j), from class j to j + 1
    double BatchN[kBatchSlots][kBatchSlots] = {};     // X(t, j), [step][age]
    double BatchTotal[kBatchSlots] = {};              // S(t)
    double BatchGrowth[kBatchSlots] = {};             // G(t) = S(t + 1) / S(t)
    double BatchProp[kBatchSlots][kBatchSlots] = {};  // D(t, j) = X(t, j) / S(t), [step][age]
};

// The one instance the program's batch command works on.
BatchArrays& batchArrays();

}  // namespace dalvo
