// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// Feeds arbitrary bytes to the reader of the "Own population" window, which
// takes a data file or a life table. A refusal must explain itself; whatever
// it accepts is studied and written back in all three kinds, and a written
// data file or life table must read back as the same population.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/analysis_file.h"
#include "files/population_file.h"
#include "fuzz/fuzz_check.h"

namespace {

using dalvo::fuzzing::require;

bool finite(const std::vector<double>& values)
{
    for (double v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const dalvo::Result<dalvo::OwnPopulation> read = dalvo::readPopulationText(input);
    if (!read) {
        require(!read.error().message.empty(), "a refusal says why", input);
        return 0;
    }
    const dalvo::OwnPopulation& population = *read;
    const int classes = population.matrix.classes();
    require(classes >= 1 && classes <= dalvo::kMaxAgeClasses, "1 to 101 classes", input);
    require(static_cast<int>(population.matrix.survival.size()) == classes - 1 &&
                static_cast<int>(population.initial.size()) == classes,
            "one survival rate fewer than classes, one count per class", input);
    require(finite(population.matrix.fecundity) && finite(population.matrix.survival) && finite(population.initial),
            "every accepted number is finite", input);

    dalvo::OwnPopulation shortRun = population;
    shortRun.steps = std::min(shortRun.steps, 20);
    const dalvo::PopulationStudy study = dalvo::studyPopulation(shortRun);
    require(study.outlook.has_value() != !study.outlookError.message.empty(), "an outlook or a reason", input);
    if (study.outlook)
        (void)dalvo::analysisFileText(*study.outlook, {population.title, population.matrix, population.initial});

    const dalvo::Result<dalvo::OwnPopulation> dataAgain =
        dalvo::readPopulationText(dalvo::populationDataFileText(population));
    require(dataAgain && dataAgain->matrix.classes() == classes, "a written data file reads back", input);

    if (population.lifeTable) {
        const dalvo::Result<dalvo::LifeTable> tableAgain =
            dalvo::readLifeTableText(dalvo::lifeTableCsvText(*population.lifeTable));
        require(tableAgain && tableAgain->ages() == population.lifeTable->ages(), "a written life table reads back",
                input);
    }
    return 0;
}
