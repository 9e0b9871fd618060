// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/batch_projection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "files/batch_reader.h"
#include "files/batch_formatter.h"
#include "model/number_text.h"
#include "tests/files/batch_data.h"
#include "tests/files/scratch_folder.h"

namespace dalvo {
namespace {

using testing_files::crlfLines;
using testing_files::dataFile;
using testing_files::kExampleFile;
using testing_files::matrixProjection;
using testing_files::readAndProject;

std::vector<double> numbersOf(const std::vector<std::string>& texts)
{
    std::vector<double> values;
    for (const std::string& text : texts)
        values.push_back(*parseNumber(text, NumberLocale{"."}));
    return values;
}

// The numbers of one printed line, in order.
std::vector<double> printedNumbers(const std::string& line)
{
    std::vector<double> values;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t end = line.find(',', start);
        if (end == std::string::npos)
            end = line.size();
        const Result<double> value = parseNumber(line.substr(start, end - start), NumberLocale{"."});
        EXPECT_TRUE(value.ok()) << "in line \"" << line << "\"";
        values.push_back(value.ok() ? *value : NAN);
        start = end + 1;
    }
    return values;
}

TEST(BatchReaderTest, ReadsTheExampleFile)
{
    const Result<BatchData> read = readBatchData(kExampleFile);
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_EQ(read->lastStep, 20);
    // P(3) is in the file but carries the last class past the matrix.
    EXPECT_EQ(read->matrix, (LeslieMatrix{{0, 1, 2, 1}, {0.5, 1, 0.5}}));
    EXPECT_EQ(read->initial, (std::vector<double>{10, 0, 0, 0}));
}

TEST(BatchReaderTest, TheInitialNumbersEndAtTheFirstNegativeValue)
{
    struct Case {
        const char* name;
        std::string text;
        std::vector<double> initial;
        int steps;
    };
    const Case cases[] = {
        {"10 and -1",
         dataFile("3", {"0", "1", "2", "1"}, {"0.5", "1", "0.5", "0"}, {"10", "-1"}, "6"),
         {10, 0, 0, 0},
         6},
        {"a negative first value",
         dataFile("3", {"0", "1", "2", "1"}, {"0.5", "1", "0.5", "0"}, {"-3"}, "2"),
         {0, 0, 0, 0},
         2},
        {"later classes are zero even with stale values",
         dataFile("2", {"1", "1", "1"}, {"0.5", "0.5", "0"}, {"4", "5", "-0.5"}, "1"),
         {4, 5, 0},
         1},
        {"a negative value after a full list is the label, and T comes one place early",
         "P,1\r\nF\r\n1,1\r\nS\r\n0.5,0\r\nX\r\n3,4,-5\r\n7\r\n",
         {3, 4},
         7},
    };
    for (const Case& c : cases) {
        const Result<BatchData> read = readBatchData(c.text);
        ASSERT_TRUE(read.ok()) << c.name << ": " << read.error().message;
        EXPECT_EQ(read->initial, c.initial) << c.name;
        EXPECT_EQ(read->lastStep, c.steps) << c.name;
    }
}

TEST(BatchReaderTest, NothingAfterTIsRead)
{
    const Result<BatchData> read = readBatchData(kExampleFile + "\"an open quote\r\nnot a number,\x01\x02");
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_EQ(read->lastStep, 20);
}

TEST(BatchProjectionTest, MatchesTheMatrixProductAtEveryStep)
{
    struct Case {
        const char* name;
        std::vector<std::string> fecundity, survival, initial;
        int steps;
    };
    const Case cases[] = {
        {"the example", {"0", "1", "2", "1"}, {"0.5", "1", "0.5", "0"}, {"10", "0", "0", "0"}, 20},
        {"one class", {"1.5"}, {"0.3"}, {"4"}, 10},
        {"two classes with fractions", {"0.2", "1.7"}, {"0.35", "0.9"}, {"100", "3.3"}, 30},
        {"negative entries", {"2", "-0.5", "1"}, {"0.9", "0.8", "0"}, {"5", "5", "5"}, 12},
        {"seven classes",
         {"0", "0", "0.5", "1", "2", "2", "1"},
         {"0.9", "0.8", "0.8", "0.7", "0.6", "0.5", "0"},
         {"50", "40", "30", "20", "10", "5", "1"},
         99},
    };
    for (const Case& c : cases) {
        const std::string n = std::to_string(c.fecundity.size() - 1);
        const Result<ProjectedSteps> done =
            readAndProject(dataFile(n, c.fecundity, c.survival, c.initial, std::to_string(c.steps)));
        ASSERT_TRUE(done.ok()) << c.name << ": " << done.error().message;

        const auto expected = matrixProjection(numbersOf(c.fecundity), numbersOf(c.survival),
                                               numbersOf(c.initial), c.steps + 1);
        for (int t = 0; t <= c.steps + 1; ++t) {
            double total = 0;
            for (std::size_t j = 0; j < c.fecundity.size(); ++j) {
                EXPECT_DOUBLE_EQ(done->number(t, static_cast<int>(j)), expected[t][j])
                    << c.name << ", t " << t << ", j " << j;
                total += expected[t][j];
            }
            EXPECT_DOUBLE_EQ(done->totals[t], total) << c.name << ", t " << t;
            for (std::size_t j = 0; j < c.fecundity.size(); ++j)
                EXPECT_DOUBLE_EQ(done->proportion(t, static_cast<int>(j)), expected[t][j] / total)
                    << c.name << ", t " << t;
        }
        for (int t = 0; t <= c.steps; ++t) {
            EXPECT_DOUBLE_EQ(done->growthRates[t], done->totals[t + 1] / done->totals[t])
                << c.name << ", t " << t;
        }
    }
}

TEST(BatchProjectionTest, TheResultFilesHoldStepsZeroToT)
{
    struct Case {
        const char* name;
        std::string text;
        std::size_t lines;
        std::size_t structureNumbers, distributionNumbers;
    };
    const Case cases[] = {
        {"the example", kExampleFile, 21, 7, 5},
        {"one class", dataFile("0", {"1.2"}, {"0.5"}, {"10"}, "5"), 6, 4, 2},
        {"T = 0 writes step 0 only", dataFile("1", {"1", "1"}, {"0.5", "0"}, {"1", "1"}, "0"), 1, 5, 3},
        {"a negative T writes nothing", dataFile("1", {"1", "1"}, {"0.5", "0"}, {"1", "1"}, "-1"), 0, 0, 0},
        {"a negative T with a zero total", dataFile("1", {"1", "1"}, {"0.5", "0"}, {"0", "0"}, "-7"), 0, 0,
         0},
    };
    for (const Case& c : cases) {
        const Result<ProjectedSteps> done = readAndProject(c.text);
        ASSERT_TRUE(done.ok()) << c.name << ": " << done.error().message;
        const std::vector<std::string> structure = crlfLines(ageStructureText(*done));
        const std::vector<std::string> distribution = crlfLines(ageDistributionText(*done));
        ASSERT_EQ(structure.size(), c.lines) << c.name;
        ASSERT_EQ(distribution.size(), c.lines) << c.name;
        for (std::size_t t = 0; t < c.lines; ++t) {
            const std::vector<double> s = printedNumbers(structure[t]);
            const std::vector<double> d = printedNumbers(distribution[t]);
            ASSERT_EQ(s.size(), c.structureNumbers) << c.name << ", t " << t;
            ASSERT_EQ(d.size(), c.distributionNumbers) << c.name << ", t " << t;
            EXPECT_EQ(s.front(), static_cast<double>(t)) << c.name;
            EXPECT_EQ(d.front(), static_cast<double>(t)) << c.name;
        }
    }
}

TEST(BatchProjectionTest, OneClassGivesItsNumbersAndAProportionOfOne)
{
    const Result<ProjectedSteps> done = readAndProject(dataFile("0", {"1.5"}, {"0.3"}, {"4"}, "2"));
    ASSERT_TRUE(done.ok()) << done.error().message;
    EXPECT_EQ(ageStructureText(*done),
              " 0 , 4 , 4 , 1.5 \r\n"
              " 1 , 6 , 6 , 1.5 \r\n"
              " 2 , 9 , 9 , 1.5 \r\n");
    EXPECT_EQ(ageDistributionText(*done), " 0 , 1 \r\n 1 , 1 \r\n 2 , 1 \r\n");
}

TEST(BatchProjectionTest, TheLastSurvivalRateHasNoEffect)
{
    const std::vector<std::string> fecundity{"0", "1.1", "2", "0.7"};
    const std::vector<std::string> initial{"10", "3", "0", "1"};
    const Result<ProjectedSteps> reference =
        readAndProject(dataFile("3", fecundity, {"0.5", "0.9", "0.5", "0"}, initial, "30"));
    ASSERT_TRUE(reference.ok()) << reference.error().message;
    for (const char* last : {"1", "0.25", "-4", "1E+300"}) {
        const Result<ProjectedSteps> done =
            readAndProject(dataFile("3", fecundity, {"0.5", "0.9", "0.5", last}, initial, "30"));
        ASSERT_TRUE(done.ok()) << done.error().message;
        EXPECT_EQ(ageStructureText(*done), ageStructureText(*reference)) << "P(3) = " << last;
        EXPECT_EQ(ageDistributionText(*done), ageDistributionText(*reference)) << "P(3) = " << last;
    }
}

TEST(BatchProjectionTest, EveryDistributionLineSumsToOne)
{
    const Result<ProjectedSteps> done =
        readAndProject(dataFile("4", {"0", "0.7", "1.3", "0.9", "0.2"}, {"0.37", "0.81", "0.66", "0.4", "0"},
                                {"17", "3", "11", "0", "2"}, "40"));
    ASSERT_TRUE(done.ok()) << done.error().message;
    const std::vector<std::string> lines = crlfLines(ageDistributionText(*done));
    ASSERT_EQ(lines.size(), 41u);
    for (const std::string& line : lines) {
        const std::vector<double> numbers = printedNumbers(line);
        double sum = 0;
        for (std::size_t j = 1; j < numbers.size(); ++j)
            sum += numbers[j];
        EXPECT_NEAR(sum, 1.0, 5 * 0.5e-5 + 1e-12) << line;
    }
}

TEST(BatchProjectionTest, TheLastLineCarriesTheGrowthRateToTheStepAfterIt)
{
    for (int steps : {0, 1, 13, 99}) {
        const Result<ProjectedSteps> done = readAndProject(
            dataFile("2", {"0.3", "1.1", "0.6"}, {"0.7", "0.45", "0"}, {"10", "10", "10"}, std::to_string(steps)));
        ASSERT_TRUE(done.ok()) << done.error().message;
        const std::vector<std::string> lines = crlfLines(ageStructureText(*done));
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(steps) + 1);
        const std::vector<double> last = printedNumbers(lines.back());
        EXPECT_EQ(last.front(), steps);
        const double growth = done->totals[steps + 1] / done->totals[steps];
        EXPECT_EQ(last.back(), roundToDecimals(growth, 4)) << "T = " << steps;
    }
}

TEST(BatchProjectionTest, TheLargestMatrixRunsToTheLastStep)
{
    std::vector<std::string> fecundity, survival, initial;
    for (int j = 0; j <= kBatchLastAge; ++j) {
        fecundity.push_back(j < 10 ? "0" : "0.05");
        survival.push_back(j == kBatchLastAge ? "0" : "0.97");
        initial.push_back(std::to_string(1000 - 5 * j));
    }
    const Result<ProjectedSteps> done = readAndProject(dataFile("100", fecundity, survival, initial, "99"));
    ASSERT_TRUE(done.ok()) << done.error().message;

    const auto expected =
        matrixProjection(numbersOf(fecundity), numbersOf(survival), numbersOf(initial), 100);
    for (int t = 0; t <= 100; ++t) {
        for (int j = 0; j <= kBatchLastAge; ++j)
            ASSERT_DOUBLE_EQ(done->number(t, j), expected[t][j]) << "t " << t << ", j " << j;
    }
    const std::vector<std::string> structure = crlfLines(ageStructureText(*done));
    const std::vector<std::string> distribution = crlfLines(ageDistributionText(*done));
    ASSERT_EQ(structure.size(), 100u);
    ASSERT_EQ(distribution.size(), 100u);
    EXPECT_EQ(printedNumbers(structure.back()).size(), 104u);
    EXPECT_EQ(printedNumbers(distribution.back()).size(), 102u);
}

TEST(BatchProjectionTest, ATotalOfZeroOrAnOverflowNamesTheStep)
{
    struct Case {
        const char* name;
        std::string text;
        const char* message;
    };
    const Case cases[] = {
        {"no initial numbers", dataFile("1", {"1", "1"}, {"0.5", "0"}, {"0", "0"}, "3"),
         "The initial numbers add up to 0"},
        {"dies out at step 2", dataFile("1", {"0", "0"}, {"0.5", "0"}, {"4", "0"}, "5"),
         "At step 2 the total S(2) is 0"},
        {"negative numbers cancel out at step 1", dataFile("1", {"1", "1"}, {"-1", "0"}, {"2", "0"}, "1"),
         "At step 1 the total S(1) is 0"},
        {"grows past the largest number", dataFile("0", {"1E+200"}, {"0"}, {"1E+200"}, "4"),
         "At step 1 the numbers grow beyond"},
        {"the total one step past the last overflows", dataFile("0", {"1E+100"}, {"0"}, {"1"}, "5"),
         "At step 4 the numbers grow beyond"},
    };
    for (const Case& c : cases) {
        const Result<ProjectedSteps> done = readAndProject(c.text);
        ASSERT_FALSE(done.ok()) << c.name;
        EXPECT_NE(done.error().message.find(c.message), std::string::npos)
            << c.name << ": " << done.error().message;
    }
}

TEST(BatchProjectionTest, APopulationThatDiesOutJustAfterTheLastWrittenStepIsFine)
{
    const Result<ProjectedSteps> done = readAndProject(dataFile("1", {"0", "0"}, {"0.5", "0"}, {"4", "0"}, "1"));
    ASSERT_TRUE(done.ok()) << done.error().message;
    EXPECT_EQ(ageStructureText(*done), " 0 , 4 , 0 , 4 , 0.5 \r\n 1 , 0 , 2 , 2 , 0 \r\n");
}

}  // namespace
}  // namespace dalvo
