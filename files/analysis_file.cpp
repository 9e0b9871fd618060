// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/analysis_file.h"

#include <optional>
#include <vector>

#include "files/keyed_lines.h"

namespace dalvo {

std::string analysisFileText(const LongTermOutlook& o, const AnalysisSource& source)
{
    const std::size_t classes = static_cast<std::size_t>(o.classes);
    const std::size_t survivals = classes == 0 ? 0 : classes - 1;
    KeyedLines lines;
    lines.add("classes", static_cast<double>(o.classes));
    lines.add("lambda", o.lambda);
    lines.add("r", o.growthExponent);
    lines.add("period_of_imprimitivity",
              o.period ? std::optional<double>(static_cast<double>(*o.period)) : std::nullopt);
    lines.add("damping_ratio", o.dampingRatio);
    lines.add("oscillation_period", o.oscillationPeriod);
    lines.add("net_reproductive_rate", o.netReproductiveRate);
    lines.add("generation_time", o.generationTime);
    lines.add("stable_distribution", o.stableDistribution, classes);
    lines.add("reproductive_values", o.reproductiveValues, classes);
    lines.add("sensitivity_fecundity", o.sensitivityFecundity, classes);
    lines.add("sensitivity_survival", o.sensitivitySurvival, survivals);
    lines.add("elasticity_fecundity", o.elasticityFecundity, classes);
    lines.add("elasticity_survival", o.elasticitySurvival, survivals);
    lines.addText("title", source.title);
    lines.add("fecundity", source.matrix.fecundity, classes);
    lines.add("survival", source.matrix.survival, survivals);
    lines.add("initial_numbers", source.initial, classes);
    return lines.take();
}

}  // namespace dalvo
