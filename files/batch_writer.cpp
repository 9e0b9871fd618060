#include "files/batch_writer.h"

#include <charconv>

#include "files/rounded_number.h"

namespace dalvo {

namespace {

constexpr int kNumberDecimals = 2;
constexpr int kGrowthDecimals = 4;
constexpr int kProportionDecimals = 5;
constexpr int kExtensionCharacters = 4;
// Characters a printed number usually takes with its blanks and comma.
constexpr std::size_t kTypicalWidth = 14;

bool isFolderSeparator(char c)
{
#ifdef _WIN32
    return c == '/' || c == '\\';
#else
    return c == '/';
#endif
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The printed form of a number: a blank where a minus sign would stand, the
// number, a blank. A period separates the decimals whatever the locale, as a
// comma would run into the commas between the numbers.
void appendPrinted(std::string& line, double value, int decimals)
{
    const std::size_t signPlace = line.size();
    line += ' ';
    appendRounded(line, value, decimals);
    if (line[signPlace + 1] == '-')
        line.erase(signPlace, 1);
    line += ' ';
}

void appendLineStart(std::string& line, int step)
{
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, step);
    if (step >= 0)
        line += ' ';
    line.append(digits, end);
    line += ' ';
}

void appendNext(std::string& line, double value, int decimals)
{
    line += ',';
    appendPrinted(line, value, decimals);
}

// The arrays' own bounds, whatever the counters hold.
int lastAgeOf(const BatchArrays& a)
{
    return a.BatchLastAge < kBatchLastIndex ? a.BatchLastAge : kBatchLastIndex;
}

int lastStepOf(const BatchArrays& a)
{
    return a.BatchSteps < kBatchLastIndex ? a.BatchSteps : kBatchLastIndex;
}

// None for a negative T.
std::size_t lineCount(const BatchArrays& a)
{
    return lastStepOf(a) < 0 ? 0 : static_cast<std::size_t>(lastStepOf(a)) + 1;
}

}  // namespace

BatchResultNames batchResultNames(const std::string& dataFileName)
{
    std::size_t nameStart = dataFileName.size();
    while (nameStart > 0 && !isFolderSeparator(dataFileName[nameStart - 1]))
        --nameStart;

    // Characters, not bytes: a name in UTF-8 loses whole characters.
    std::size_t stemEnd = dataFileName.size();
    int dropped = 0;
    while (dropped < kExtensionCharacters && stemEnd > nameStart) {
        --stemEnd;
        if (!isContinuationByte(dataFileName[stemEnd]))
            ++dropped;
    }
    const bool nameLongEnough = dropped == kExtensionCharacters && stemEnd > nameStart;
    const std::string stem = nameLongEnough ? dataFileName.substr(0, stemEnd) : dataFileName;
    return {stem + "-AgeStructure.txt", stem + "-AgeDistribution.txt"};
}

std::string ageStructureText(const BatchArrays& a)
{
    const int n = lastAgeOf(a);
    std::string text;
    text.reserve(lineCount(a) * static_cast<std::size_t>(n + 4) * kTypicalWidth);
    for (int t = 0; t <= lastStepOf(a); ++t) {
        appendLineStart(text, t);
        for (int j = 0; j <= n; ++j)
            appendNext(text, a.BatchN[t][j], kNumberDecimals);
        appendNext(text, a.BatchTotal[t], kNumberDecimals);
        appendNext(text, a.BatchGrowth[t], kGrowthDecimals);
        text += "\r\n";
    }
    return text;
}

std::string ageDistributionText(const BatchArrays& a)
{
    const int n = lastAgeOf(a);
    std::string text;
    text.reserve(lineCount(a) * static_cast<std::size_t>(n + 2) * kTypicalWidth);
    for (int t = 0; t <= lastStepOf(a); ++t) {
        appendLineStart(text, t);
        for (int j = 0; j <= n; ++j)
            appendNext(text, a.BatchProp[t][j], kProportionDecimals);
        text += "\r\n";
    }
    return text;
}

}  // namespace dalvo
