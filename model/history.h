// The history of the run: every step's numbers, read by the tables, charts and export.
#pragma once

#include <cstdint>

namespace dalvo {

// Ages 0..3 are used; index 4 exists but is never written.
inline constexpr int kAgeClasses = 4;
inline constexpr int kAgeSlots = 5;
// The arrays hold steps 0..kLastStep, so a run can make kLastStep projections.
inline constexpr int kLastStep = 1000;
inline constexpr int kStepSlots = kLastStep + 1;

// Arrays are indexed [age][step] like the (age, step) notation of the model;
// entries past StepCount may still hold values of an earlier run.
struct History {
    std::int16_t StepCount = 0;
    double NAge[kAgeSlots][kStepSlots] = {};
    double NTotal[kStepSlots] = {};
    double AgeProp[kAgeSlots][kStepSlots] = {};
    double DeltaN[kStepSlots] = {};     // [k]: change from step k to step k + 1
    float GrowthRate[kStepSlots] = {};  // [k]: NTotal(k + 1) / NTotal(k)
};

}  // namespace dalvo
