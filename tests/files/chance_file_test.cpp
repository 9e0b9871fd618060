// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/chance_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/number_text.h"

namespace dalvo {
namespace {

std::vector<std::string> split(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + separator.size())
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

// Every line holds its key and as many fields as the run has values for it;
// what the run does not give is there as empty fields, never left out.
TEST(ChanceFile, KeysCountsAndEmptyFields)
{
    struct Case {
        const char* name;
        bool demographic;
        bool environmental;
        std::vector<std::string> emptyKeys;  // every field empty
    };
    const Case cases[] = {
        {"demographic chance alone", true, false,
         {"log_lambda_s_simulated", "log_lambda_s_interval", "log_lambda_s_tuljapurkar"}},
        {"environmental variation alone", false, true, {"exact_extinction_probability"}},
    };
    const ChancePopulation population{{{0, 1, 2, 1}, {0.5, 1, 0.5}}, {10, 0, 0, 0}, {}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChanceSettings settings{.replicates = 30, .steps = 4, .seed = 7, .demographic = c.demographic,
                                      .environmental = c.environmental};
        const Result<ChanceResult> result = runChance(population, settings);
        ASSERT_TRUE(result) << result.error().message;
        const std::string text = chanceFileText(*result);
        ASSERT_TRUE(text.ends_with("\r\n"));
        std::vector<std::string> lines = split(text, "\r\n");
        lines.pop_back();
        const std::pair<const char*, std::size_t> expected[] = {
            {"replicates", 1}, {"steps", 1}, {"seed", 1}, {"threshold", 1}, {"demographic", 1},
            {"environmental", 1}, {"cv_fecundity", 1}, {"cv_survival", 1}, {"good_and_bad_years", 1},
            {"lambda_average_matrix", 1}, {"log_lambda_s_simulated", 1}, {"log_lambda_s_interval", 2},
            {"log_lambda_s_tuljapurkar", 1}, {"extinction_probability", 4}, {"exact_extinction_probability", 4},
            {"median_total", 5}, {"quantile_05_total", 5}, {"quantile_25_total", 5}, {"quantile_75_total", 5},
            {"quantile_95_total", 5},
        };
        ASSERT_EQ(lines.size(), std::size(expected));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const auto& [key, count] = expected[i];
            const std::vector<std::string> fields = split(lines[i], ",");
            ASSERT_EQ(fields[0], key);
            EXPECT_EQ(fields.size(), count + 1) << key;
            const bool empty = std::find(c.emptyKeys.begin(), c.emptyKeys.end(), key) != c.emptyKeys.end();
            for (std::size_t f = 1; f < fields.size(); ++f) {
                EXPECT_EQ(fields[f].empty(), empty) << key << " field " << f;
                if (!fields[f].empty()) {
                    EXPECT_TRUE(parseNumber(fields[f], kPeriodNumbers)) << key << ": " << fields[f];
                }
            }
        }
        EXPECT_EQ(split(lines[4], ",")[1], c.demographic ? "1" : "0");
        EXPECT_EQ(split(lines[15], ",")[5], formatGeneral(result->medianTotal[4], kPeriodNumbers));
    }
}

}  // namespace
}  // namespace dalvo
