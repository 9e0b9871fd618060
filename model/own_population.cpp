// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/own_population.h"

#include <utility>

namespace dalvo {

namespace {

constexpr double kLifeTableNewborns = 10;

}  // namespace

Result<OwnPopulation> populationFromLifeTable(const LifeTable& table, Census census, std::string title)
{
    Result<LeslieMatrix> matrix = matrixFromLifeTable(table, census);
    if (!matrix)
        return matrix.error();
    OwnPopulation population;
    population.title = std::move(title);
    population.lifeTable = table;
    population.census = census;
    population.matrix = std::move(matrix.value());
    population.initial.assign(static_cast<std::size_t>(population.matrix.classes()), 0.0);
    population.initial.front() = kLifeTableNewborns;
    return population;
}

PopulationStudy studyPopulation(const OwnPopulation& population)
{
    PopulationStudy study;
    Result<LongTermOutlook> outlook = analyseLongTerm(population.matrix);
    if (outlook)
        study.outlook = std::move(outlook.value());
    else
        study.outlookError = outlook.error();
    const LongTermOutlook* analysed = study.outlook ? &*study.outlook : nullptr;
    study.projection = projectPopulation(population.matrix, population.initial, population.steps, analysed);

    study.lifeTableReadOffMatrix = !population.lifeTable.has_value();
    study.lifeTable = population.lifeTable ? *population.lifeTable : lifeTableFromMatrix(population.matrix);
    study.figures = lifeTableFigures(study.lifeTable);

    // The times and the shortcut follow the matrix that is projected: a table
    // read off a pre-breeding matrix counts its ages one lower than the
    // matrix's young do.
    if (analysed != nullptr) {
        study.generationTimes = generationTimes(population.matrix, *analysed);
        study.textbookLambda = textbookLambda(analysed->netReproductiveRate, study.generationTimes.cohort);
    }
    return study;
}

std::optional<double> predictedLambdaChange(const LongTermOutlook& before, const LeslieMatrix& beforeMatrix,
                                            const LeslieMatrix& afterMatrix)
{
    const std::size_t classes = static_cast<std::size_t>(before.classes);
    if (beforeMatrix.classes() != before.classes || afterMatrix.classes() != before.classes ||
        before.sensitivityFecundity.size() != classes || classes == 0 ||
        before.sensitivitySurvival.size() != classes - 1 || beforeMatrix.survival.size() != classes - 1 ||
        afterMatrix.survival.size() != classes - 1)
        return std::nullopt;
    double change = 0;
    for (std::size_t j = 0; j < classes; ++j)
        change += before.sensitivityFecundity[j] * (afterMatrix.fecundity[j] - beforeMatrix.fecundity[j]);
    for (std::size_t j = 0; j + 1 < classes; ++j)
        change += before.sensitivitySurvival[j] * (afterMatrix.survival[j] - beforeMatrix.survival[j]);
    return change;
}

}  // namespace dalvo
