// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/default_values.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "model/history.h"
#include "model/lenient_read.h"
#include "model/matrix_grid.h"
#include "model/source_text.h"
#include "model/stepwise_run.h"

namespace dalvo {

namespace {

Error matrixCellTooLarge(MatrixCell cell)
{
    return explained(sourceText("dalvo::Error", "The number in row %1, column %2 of the matrix is too large for the "
                                                "program to use. Enter a smaller number and press \"Go Back\" again."),
                     {std::to_string(cell.row + 1), std::to_string(cell.column + 1)});
}

Error initialCellTooLarge(int age)
{
    return explained(sourceText("dalvo::Error", "The initial number of age class %1 is too large for the program to "
                                                "use. Enter a smaller number and press \"Go Back\" again."),
                     {std::to_string(age)});
}

// The text written back must read again as a number the program can hold.
// Near the top of the double range the 15-digit text can round past it, so
// the text is checked as well as the value.
std::optional<std::string> writtenBack(std::string_view text, const NumberLocale& locale)
{
    const double value = readLeniently(text, locale);
    if (!std::isfinite(value))
        return std::nullopt;
    std::string written = formatGeneral(value, locale);
    if (!std::isfinite(readLeniently(written, locale)))
        return std::nullopt;
    return written;
}

}  // namespace

bool isEditableCell(int index)
{
    if (index < 0 || index >= kGridCells)
        return false;
    const MatrixCell cell = MatrixCell::atIndex(index);
    return cell.isFecundity() || cell.isSurvival();
}

EditorTexts designTexts(const NumberLocale& locale)
{
    const LeslieMatrix matrix = defaultMatrix();
    const std::vector<double> initial = defaultInitial();
    EditorTexts texts;
    for (MatrixCell cell : gridCells())
        texts.m1[static_cast<std::size_t>(cell.index())] = formatGeneral(matrixCell(matrix, cell), locale);
    for (std::size_t i = 0; i < texts.n0.size(); ++i)
        texts.n0[i] = formatGeneral(initial[i], locale);
    return texts;
}

std::optional<int> firstRefusedSurvivalRate(const std::array<std::string, 16>& m1, const NumberLocale& locale)
{
    for (int cell : kSurvivalCells) {
        if (readLeniently(m1[cell], locale) > 1)
            return cell;
    }
    return std::nullopt;
}

std::string normalisedText(std::string_view text, const NumberLocale& locale)
{
    return formatGeneral(readLeniently(text, locale), locale);
}

Result<EditorTexts> normalise(const EditorTexts& texts, const NumberLocale& locale)
{
    EditorTexts normalised;
    for (std::size_t i = 0; i < texts.m1.size(); ++i) {
        std::optional<std::string> written = writtenBack(texts.m1[i], locale);
        if (!written)
            return matrixCellTooLarge(MatrixCell::atIndex(static_cast<int>(i)));
        normalised.m1[i] = std::move(*written);
    }
    std::vector<double> initial(texts.n0.size());
    for (std::size_t i = 0; i < texts.n0.size(); ++i) {
        std::optional<std::string> written = writtenBack(texts.n0[i], locale);
        if (!written)
            return initialCellTooLarge(static_cast<int>(i));
        normalised.n0[i] = std::move(*written);
        initial[i] = readLeniently(normalised.n0[i], locale);
    }
    // Added up as the new run will add up its step 0.
    if (!std::isfinite(stepNumbersOf(initial).total))
        return explained(sourceText("dalvo::Error",
                                    "The initial numbers add up to more than the program can hold. Enter smaller "
                                    "numbers and press \"Go Back\" again."));
    return normalised;
}

Result<NewRun> newRunFrom(const EditorTexts& texts, const NumberLocale& locale)
{
    NewRun run{{std::vector<double>(kAgeClasses), std::vector<double>(kAgeClasses - 1)},
               std::vector<double>(kAgeClasses)};
    for (MatrixCell cell : gridCells()) {
        const std::string& text = texts.m1[static_cast<std::size_t>(cell.index())];
        if (!cell.isFecundity() && !cell.isSurvival())
            continue;
        const Result<double> value = parseNumber(text, locale);
        if (!value)
            return explained(sourceText("dalvo::Error", "The matrix cell in row %1, column %2 is \"%3\", which is "
                                                        "not a number. Enter a number and try again."),
                             {std::to_string(cell.row + 1), std::to_string(cell.column + 1), text});
        setMatrixCell(run.matrix, cell, *value);
    }
    for (int age = 0; age < kAgeClasses; ++age) {
        const Result<double> value = parseNumber(texts.n0[age], locale);
        if (!value)
            return explained(sourceText("dalvo::Error", "The initial population of age class %1 is \"%2\", which is "
                                                        "not a number. Enter a number and try again."),
                             {std::to_string(age), texts.n0[age]});
        run.initial[age] = *value;
    }
    return run;
}

}  // namespace dalvo
