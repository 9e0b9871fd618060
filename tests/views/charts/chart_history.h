// Histories for the chart tests: a real run of the main window's model, or arrays written directly.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "model/history.h"
#include "model/main_form_model.h"

namespace dalvo::testing_charts {

// `projections` steps of the default matrix from N(0) = 10, 0, 0, 0.
inline std::unique_ptr<History> projectedHistory(int projections)
{
    auto history = std::make_unique<History>();
    MainFormModel model(*history, NumberLocale{});
    EXPECT_TRUE(model.load().ok());
    for (int k = 0; k < projections; ++k) {
        if (k > 0)
            model.Transition();
        EXPECT_TRUE(model.Projection().ok());
    }
    return history;
}

// Every array entry tells its own indices apart, so a value read from the
// wrong step or class shows.
inline std::unique_ptr<History> writtenHistory(int stepCount)
{
    auto history = std::make_unique<History>();
    history->StepCount = static_cast<std::int16_t>(stepCount);
    for (int t = 0; t < kStepSlots; ++t) {
        for (int a = 0; a < kAgeSlots; ++a) {
            history->NAge[a][t] = 1000.0 * a + t;
            history->AgeProp[a][t] = 0.1 * a + t / 10000.0;
        }
        history->NTotal[t] = 5.0 + t;
        history->DeltaN[t] = -0.5 * t;
        history->GrowthRate[t] = 1.0f + static_cast<float>(t) / 3.0f;
    }
    return history;
}

}  // namespace dalvo::testing_charts
