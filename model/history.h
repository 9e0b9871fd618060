// The run's history: every recorded step's numbers, owned here and read by the tables, charts and saved run.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <initializer_list>
#include <span>
#include <vector>

namespace dalvo {

// The main window's run, its tables and its charts have four age classes.
inline constexpr int kAgeClasses = 4;
// Steps 0..kLastStep are kept, so a run can make kLastStep projections.
inline constexpr int kLastStep = 1000;

// One step of the run: the numbers per age class, their total and each
// class's share of it. A step made without numbers has four empty classes.
struct StepNumbers {
    std::vector<double> counts = std::vector<double>(kAgeClasses);
    double total = 0;
    std::vector<double> proportions = std::vector<double>(kAgeClasses);

    bool operator==(const StepNumbers&) const = default;
};

// The total and shares of `counts`, added up from age 0; with no individuals
// every share is 0.
StepNumbers stepNumbersOf(std::span<const double> counts);
inline StepNumbers stepNumbersOf(std::initializer_list<double> counts)
{
    return stepNumbersOf(std::span<const double>(counts.begin(), counts.size()));
}

// Step 0 is always there; steps 1..stepCount() follow in order, each with the
// change and growth rate that led to it. Readers may index every step up to
// stepCount(), and nothing beyond.
class History {
public:
    History();

    // A new run: step 0 only.
    void restart(StepNumbers stepZero);
    // Step 0 of the run in progress written afresh; later steps stay.
    void replaceStepZero(StepNumbers stepZero);
    // Appends step stepCount() + 1; false, changing nothing, once kLastStep is reached.
    bool append(StepNumbers next, double change, float growthRate);

    int stepCount() const { return static_cast<int>(steps_.size()) - 1; }
    bool isFull() const { return stepCount() >= kLastStep; }
    const StepNumbers& step(int t) const { return steps_.at(static_cast<std::size_t>(t)); }
    // From step k to step k + 1, for k < stepCount(): N(k+1) - N(k), and
    // N(k+1) / N(k) in single precision.
    double change(int k) const { return changes_.at(static_cast<std::size_t>(k)); }
    float growthRate(int k) const { return growthRates_.at(static_cast<std::size_t>(k)); }

    bool operator==(const History&) const = default;

private:
    std::vector<StepNumbers> steps_;
    std::vector<double> changes_;
    std::vector<float> growthRates_;
};

}  // namespace dalvo
