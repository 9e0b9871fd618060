#include "model/default_values.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>

#include "model/lenient_read.h"
#include "model/main_form_model.h"

namespace dalvo {

namespace {

std::string matrixCellName(int index)
{
    return "The number in row " + std::to_string(index / 4 + 1) + ", column " +
           std::to_string(index % 4 + 1) + " of the matrix";
}

std::string initialCellName(int age)
{
    return "The initial number of age class " + std::to_string(age);
}

Error tooLarge(const std::string& what)
{
    return Error{what +
                 " is too large for the program to use. Enter a smaller number and press \"Go Back\" again."};
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
    return (index >= 0 && index < 4) ||
           std::find(kSurvivalCells.begin(), kSurvivalCells.end(), index) != kSurvivalCells.end();
}

EditorTexts designTexts(const NumberLocale& locale)
{
    const LeslieMatrix matrix = defaultMatrix();
    EditorTexts texts;
    for (std::size_t i = 0; i < texts.m1.size(); ++i)
        texts.m1[i] = formatGeneral(matrixCell(matrix, static_cast<int>(i) / 4, static_cast<int>(i) % 4), locale);
    for (std::size_t i = 0; i < texts.n0.size(); ++i)
        texts.n0[i] = formatGeneral(kDefaultInitial[i], locale);
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
            return tooLarge(matrixCellName(static_cast<int>(i)));
        normalised.m1[i] = std::move(*written);
    }
    double total = 0;
    for (std::size_t i = 0; i < texts.n0.size(); ++i) {
        std::optional<std::string> written = writtenBack(texts.n0[i], locale);
        if (!written)
            return tooLarge(initialCellName(static_cast<int>(i)));
        normalised.n0[i] = std::move(*written);
        total += readLeniently(normalised.n0[i], locale);
    }
    // The new run starts by adding N(0) up, in this order.
    if (!std::isfinite(total))
        return Error{
            "The initial numbers add up to more than the program can hold. Enter smaller numbers and press "
            "\"Go Back\" again."};
    return normalised;
}

Result<NewRun> newRunFrom(const EditorTexts& texts, const NumberLocale& locale)
{
    NewRun run{{std::vector<double>(4), std::vector<double>(3)}, {}};
    for (int cell : {0, 1, 2, 3, 4, 9, 14}) {
        const Result<double> value = parseNumber(texts.m1[cell], locale);
        if (!value)
            return Error{"The matrix cell in row " + std::to_string(cell / 4 + 1) + ", column " +
                         std::to_string(cell % 4 + 1) + " is \"" + texts.m1[cell] +
                         "\", which is not a number. Enter a number and try again."};
        setMatrixCell(run.matrix, cell / 4, cell % 4, *value);
    }
    for (int age = 0; age < 4; ++age) {
        const Result<double> value = parseNumber(texts.n0[age], locale);
        if (!value)
            return Error{"The initial population of age class " + std::to_string(age) + " is \"" +
                         texts.n0[age] + "\", which is not a number. Enter a number and try again."};
        run.initial[age] = *value;
    }
    return run;
}

}  // namespace dalvo
