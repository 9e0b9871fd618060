// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "presentation/main_fields.h"

#include <algorithm>
#include <optional>

namespace dalvo {

MainFields shownFields(const StepwiseRun& run, const NumberLocale& locale)
{
    auto text = [&](std::optional<double> value) { return value ? formatGeneral(*value, locale) : std::string(); };
    auto step = [](std::optional<int> value) { return value ? std::to_string(*value) : std::string(); };

    MainFields fields;
    for (MatrixCell cell : gridCells())
        fields.matrixCells[static_cast<std::size_t>(cell.index())] = formatGeneral(matrixCell(run.matrix(), cell), locale);
    const std::size_t shownClasses = std::min<std::size_t>(kAgeClasses, run.now().size());
    for (std::size_t age = 0; age < shownClasses; ++age) {
        fields.now[age] = formatGeneral(run.now()[age], locale);
        fields.next[age] = run.next() ? formatGeneral((*run.next())[age], locale) : std::string();
    }
    fields.nowTotal = text(run.nowTotal());
    fields.nextTotal = text(run.nextTotal());
    fields.growthRate = text(run.growthRate());
    fields.nowStep = step(run.nowStep());
    fields.nextStep = step(run.nextStep());
    return fields;
}

}  // namespace dalvo
