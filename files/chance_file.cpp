// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/chance_file.h"

#include <cstddef>
#include <optional>

#include "files/keyed_lines.h"

namespace dalvo {

std::string chanceFileText(const ChanceResult& result)
{
    const ChanceSettings& s = result.settings;
    const auto steps = static_cast<std::size_t>(s.steps);
    const auto flag = [](bool on) { return on ? 1.0 : 0.0; };
    KeyedLines lines;
    lines.add("replicates", s.replicates);
    lines.add("steps", s.steps);
    lines.add("seed", static_cast<double>(s.seed));
    lines.add("threshold", s.threshold);
    lines.add("demographic", flag(s.demographic));
    lines.add("environmental", flag(s.environmental));
    lines.add("cv_fecundity", s.cvFecundity);
    lines.add("cv_survival", s.cvSurvival);
    lines.add("good_and_bad_years", flag(s.goodAndBadYears));
    lines.add("lambda_average_matrix", result.lambdaAverageMatrix);
    lines.add("log_lambda_s_simulated", result.logLambdaS);
    std::vector<double> interval;
    if (result.logLambdaSLower && result.logLambdaSUpper)
        interval = {*result.logLambdaSLower, *result.logLambdaSUpper};
    lines.add("log_lambda_s_interval", interval, 2);
    lines.add("log_lambda_s_tuljapurkar", result.logLambdaSTuljapurkar);
    lines.add("extinction_probability", result.lossProbability, steps);
    lines.add("exact_extinction_probability", result.exactExtinction, steps);
    lines.add("median_total", result.medianTotal, steps + 1);
    lines.add("quantile_05_total", result.quantile05Total, steps + 1);
    lines.add("quantile_25_total", result.quantile25Total, steps + 1);
    lines.add("quantile_75_total", result.quantile75Total, steps + 1);
    lines.add("quantile_95_total", result.quantile95Total, steps + 1);
    return lines.take();
}

}  // namespace dalvo
