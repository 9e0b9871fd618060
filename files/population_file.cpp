// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/population_file.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "files/analysis_file.h"
#include "files/batch_reader.h"
#include "files/chance_file.h"
#include "model/character_class.h"
#include "model/number_text.h"
#include "model/source_text.h"

namespace dalvo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kShownCharacters = 40;

struct TextLine {
    std::string_view text;
    int number = 0;  // from 1
};

std::vector<TextLine> splitLines(std::string_view text)
{
    std::vector<TextLine> lines;
    std::size_t start = 0;
    int number = 1;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.push_back({text.substr(start, end - start), number++});
        if (end == text.size())
            break;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// Fields between separators, blanks trimmed; a field in double quotes runs to
// the closing quote and may hold the separator, as spreadsheets write it.
std::vector<std::string> splitFields(std::string_view line, char separator)
{
    std::vector<std::string> fields;
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && line[pos] == ' ')
            ++pos;
        std::string field;
        const bool quoted = pos < line.size() && line[pos] == '"';
        if (quoted) {
            const std::size_t close = line.find('"', pos + 1);
            const std::size_t end = close == std::string_view::npos ? line.size() : close;
            field = std::string(line.substr(pos + 1, end - pos - 1));
            pos = end;
        }
        const std::size_t next = std::min(line.find(separator, pos), line.size());
        if (!quoted)
            field = std::string(trimmed(line.substr(pos, next - pos)));
        fields.push_back(std::move(field));
        if (next == line.size())
            return fields;
        pos = next + 1;
    }
}

std::string columnName(const std::string& field)
{
    std::string name;
    for (char c : field) {
        if (!isBlank(c))
            name += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return name;
}

std::string quotedForMessage(const std::string& text)
{
    return "\"" + text.substr(0, kShownCharacters) + (text.size() > kShownCharacters ? "...\"" : "\"");
}

std::string withoutFinalPeriod(std::string message)
{
    if (!message.empty() && message.back() == '.')
        message.pop_back();
    return message;
}

struct Columns {
    std::optional<std::size_t> age;
    std::optional<std::size_t> survivorship;
    std::optional<std::size_t> counts;
    std::optional<std::size_t> fecundity;
};

Columns findColumns(const std::vector<std::string>& header)
{
    Columns columns;
    auto take = [](std::optional<std::size_t>& column, std::size_t i) {
        if (!column)
            column = i;
    };
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = columnName(header[i]);
        if (name == "x" || name == "age")
            take(columns.age, i);
        else if (name == "lx" || name == "l(x)")
            take(columns.survivorship, i);
        else if (name == "nx" || name == "n(x)")
            take(columns.counts, i);
        else if (name == "mx" || name == "m(x)" || name == "bx" || name == "b(x)")
            take(columns.fecundity, i);
    }
    return columns;
}

char separatorOf(std::string_view header)
{
    if (header.find('\t') != std::string_view::npos)
        return '\t';
    if (header.find(';') != std::string_view::npos)
        return ';';
    return ',';
}

std::string formatted(double value)
{
    return formatGeneral(value, kPeriodNumbers);
}

std::string formatted(std::optional<double> value)
{
    return value ? formatted(*value) : std::string();
}

// A title as the data file's first field: on one line, in quotes when it holds
// a comma; a double quote inside would end the quoted field, so it becomes a
// single one.
std::string titleField(const std::string& title)
{
    std::string text = title;
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '"', '\'');
    return text.find(',') != std::string::npos ? "\"" + text + "\"" : text;
}

void appendList(std::string& text, const std::vector<double>& values)
{
    for (std::size_t j = 0; j < values.size(); ++j)
        text += (j == 0 ? "" : ",") + formatted(values[j]);
}

// The lines that hold anything, after a byte order mark.
std::vector<TextLine> filledLines(std::string_view text)
{
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::vector<TextLine> lines = splitLines(text);
    std::erase_if(lines, [](const TextLine& line) { return trimmed(line.text).empty(); });
    return lines;
}

// The first line names the columns a life table needs: the text is meant as one.
bool hasLifeTableHeader(std::string_view text)
{
    const std::vector<TextLine> lines = filledLines(text);
    if (lines.empty())
        return false;
    const Columns columns = findColumns(splitFields(lines.front().text, separatorOf(lines.front().text)));
    return (columns.survivorship || columns.counts) && columns.fecundity;
}

// The error with its message ending without a period, to stand inside a
// sentence; the window shows its translation whole.
Error inSentence(Error error)
{
    error.message = withoutFinalPeriod(error.message);
    return error;
}

}  // namespace

Result<LifeTable> readLifeTableText(std::string_view text)
{
    const std::vector<TextLine> lines = filledLines(text);
    if (lines.empty())
        return explained(sourceText(
            "dalvo::Error", "The file is empty; a life table starts with a header row such as x,lx,mx."));

    const TextLine& headerLine = lines.front();
    const char separator = separatorOf(headerLine.text);
    const std::vector<std::string> header = splitFields(headerLine.text, separator);
    const Columns columns = findColumns(header);
    const std::string where = std::to_string(headerLine.number);
    if (!columns.survivorship && !columns.counts)
        return explained(
            sourceText("dalvo::Error",
                       "Line %1: the header row names no survivorship column. Name it lx or l(x), "
                       "or nx or n(x) for the numbers alive."),
            {where});
    if (!columns.fecundity)
        return explained(
            sourceText("dalvo::Error",
                       "Line %1: the header row names no column of offspring per individual. Name "
                       "it mx, m(x), bx or b(x)."),
            {where});
    const bool fromCounts = !columns.survivorship;
    const std::size_t survivorshipColumn = fromCounts ? *columns.counts : *columns.survivorship;
    // Where a comma cannot separate the values it may separate the decimals.
    const bool decimalComma = separator != ',';
    const NumberLocale commaNumbers{","};

    LifeTable table;
    for (std::size_t row = 1; row < lines.size(); ++row) {
        const TextLine& line = lines[row];
        const std::vector<std::string> fields = splitFields(line.text, separator);
        const int x = static_cast<int>(row) - 1;
        // The column as its header names it, so that the student finds it.
        auto number = [&](std::size_t column) -> Result<double> {
            const std::string lineNumber = std::to_string(line.number);
            if (column >= fields.size() || fields[column].empty())
                return explained(
                    sourceText("dalvo::Error",
                               "Line %1, column %2: the value is missing. Give a number for every age."),
                    {lineNumber, header[column]});
            Result<double> value = parseNumber(fields[column], kPeriodNumbers);
            if (!value && decimalComma)
                value = parseNumber(fields[column], commaNumbers);
            if (!value && decimalComma)
                return explained(sourceText("dalvo::Error", "Line %1, column %2: %3 is not a number."),
                                 {lineNumber, header[column], quotedForMessage(fields[column])});
            if (!value)
                return explained(sourceText("dalvo::Error",
                                            "Line %1, column %2: %3 is not a number (with commas between the "
                                            "columns, decimals take a period)."),
                                 {lineNumber, header[column], quotedForMessage(fields[column])});
            return value;
        };
        if (columns.age) {
            const Result<double> age = number(*columns.age);
            if (!age)
                return age.error();
            if (*age != x)
                return explained(
                    sourceText("dalvo::Error",
                               "Line %1, column %2: the age is %3, but the rows must give the ages 0, "
                               "1, 2, ... in order, so it should be %4. Correct the ages or the order "
                               "of the rows."),
                    {std::to_string(line.number), header[*columns.age], formatted(*age), std::to_string(x)});
        }
        const Result<double> survivorship = number(survivorshipColumn);
        if (!survivorship)
            return survivorship.error();
        const Result<double> fecundity = number(*columns.fecundity);
        if (!fecundity)
            return fecundity.error();
        table.survivorship.push_back(*survivorship);
        table.fecundity.push_back(*fecundity);
    }
    if (fromCounts && !table.survivorship.empty()) {
        const double first = table.survivorship.front();
        if (!(first > 0) || !std::isfinite(first))
            return explained(
                sourceText("dalvo::Error",
                           "Line %1, column %2: n(0) is %3; the numbers alive must start above 0, as "
                           "l(x) is n(x) divided by n(0)."),
                {std::to_string(lines[1].number), header[survivorshipColumn], formatted(first)});
        for (double& l : table.survivorship)
            l /= first;
        table.survivorship.front() = 1;
    }
    // Rows stand in age order, so age x is on the line of data row x; an age
    // past the last row (l(1) of a table of one row) has no line.
    if (std::optional<LifeTableFault> fault = findLifeTableFault(table)) {
        if (!fault->age)
            return std::move(fault->problem);
        const std::size_t row = static_cast<std::size_t>(*fault->age) + 1;
        const std::string age = std::to_string(*fault->age);
        if (row < lines.size())
            return explained(sourceText("dalvo::Error", "Line %1, age x = %2: %3"),
                             {std::to_string(lines[row].number), age}, {std::move(fault->problem)});
        return explained(sourceText("dalvo::Error", "Age x = %1: %2"), {age}, {std::move(fault->problem)});
    }
    return table;
}

Result<OwnPopulation> readPopulationText(std::string_view text)
{
    Result<BatchData> data = readBatchData(text);
    if (data) {
        OwnPopulation population;
        population.title = std::move(data.value().title);
        population.matrix = std::move(data.value().matrix);
        population.initial = std::move(data.value().initial);
        population.steps = data->lastStep >= 1 ? data->lastStep : kDefaultProjectionSteps;
        return population;
    }
    Result<LifeTable> table = readLifeTableText(text);
    if (table)
        return populationFromLifeTable(*table, Census::PreBreeding);
    if (filledLines(text).empty())
        return explained(
            sourceText("dalvo::Error",
                       "The file is empty. Open a data file in the batch format, or a life table "
                       "with a header row naming the columns x, lx and mx."));
    // A header that names the columns shows what the file is meant to be; the
    // data file's complaint about it would only distract.
    if (hasLifeTableHeader(text))
        return explained(sourceText("dalvo::Error", "This life table cannot be opened. %1"), {},
                         {table.error()});
    return explained(
        sourceText("dalvo::Error",
                   "This is neither a data file (%1) nor a life table (%2). Open a data file in the "
                   "batch format, or a life table with a header row naming the columns x, lx and mx."),
        {}, {inSentence(data.error()), inSentence(table.error())});
}

std::string populationDataFileText(const OwnPopulation& population)
{
    const LeslieMatrix& m = population.matrix;
    const int classes = m.classes();
    const std::string n = std::to_string(classes - 1);
    std::vector<double> survival = m.survival;
    survival.resize(static_cast<std::size_t>(classes), 0.0);
    std::vector<double> initial = population.initial;
    initial.resize(static_cast<std::size_t>(classes), 0.0);

    std::string text = titleField(population.title) + "," + n + "\r\n";
    text += "Fecundities F(0) to F(" + n + ")\r\n";
    appendList(text, m.fecundity);
    text += "\r\nSurvival rates P(0) to P(" + n + "); P(" + n + ") is read but not used\r\n";
    appendList(text, survival);
    text += "\r\nInitial numbers N(0)\r\n";
    appendList(text, initial);
    text += "\r\nNumber of steps T\r\n" + std::to_string(std::clamp(population.steps, 0, kBatchLastStep)) +
            "\r\n";
    return text;
}

std::string lifeTableCsvText(const LifeTable& table)
{
    const LifeTableFigures f = lifeTableFigures(table);
    std::string text = "x,lx,dx,qx,px,Lx,Tx,ex,mx,lxmx,xlxmx\r\n";
    for (std::size_t x = 0; x < f.deaths.size(); ++x) {
        text += std::to_string(x);
        for (const std::string& cell :
             {formatted(table.survivorship[x]), formatted(f.deaths[x]), formatted(f.mortality[x]),
              formatted(f.survival[x]), formatted(f.lived[x]), formatted(f.livedAfter[x]),
              formatted(f.expectancy[x]), formatted(table.fecundity[x]), formatted(f.maternity[x]),
              formatted(f.agedMaternity[x])})
            text += "," + cell;
        text += "\r\n";
    }
    return text;
}

PopulationFileKind populationFileKind(std::string_view fileName)
{
    auto endsWith = [&](std::string_view ending) {
        if (fileName.size() < ending.size())
            return false;
        const std::string_view tail = fileName.substr(fileName.size() - ending.size());
        return std::equal(tail.begin(), tail.end(), ending.begin(), [](char a, char b) {
            return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b);
        });
    };
    if (endsWith(".csv"))
        return PopulationFileKind::LifeTableCsv;
    if (endsWith(kAnalysisSuffix))
        return PopulationFileKind::Analysis;
    if (endsWith(kChanceSuffix))
        return PopulationFileKind::Chance;
    return PopulationFileKind::DataFile;
}

}  // namespace dalvo
