// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/batch_formatter.h"

#include <gtest/gtest.h>

#include <string>


namespace dalvo {
namespace {

TEST(BatchFormatterTest, ResultNamesDropTheLastFourCharactersOfALongerName)
{
    struct Case {
        const char* name;
        std::string data;
        std::string stem;  // what comes before "-AgeStructure.txt", "-AgeDistribution.txt" and "-Analysis.txt"
    };
    const Case cases[] = {
        {"a usual extension", "/home/student/owl.dat", "/home/student/owl"},
        {"any last four characters", "/d/population.data", "/d/population."},
        {"no folder", "owl.dat", "owl"},
        {"five characters", "/d/abcde", "/d/a"},
        {"exactly four characters are kept whole", "/d/abcd", "/d/abcd"},
        {"fewer than four are kept whole", "/d/a.b", "/d/a.b"},
        {"a short name never eats into its folder", "/folder.dir/x", "/folder.dir/x"},
        {"characters, not bytes", "/d/x\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "/d/x"},
        {"an accented stem stays whole", "/d/not\xC3\xA9.dat", "/d/not\xC3\xA9"},
    };
    for (const Case& c : cases) {
        const BatchResultNames names = batchResultNames(c.data);
        EXPECT_EQ(names.ageStructure, c.stem + "-AgeStructure.txt") << c.name;
        EXPECT_EQ(names.ageDistribution, c.stem + "-AgeDistribution.txt") << c.name;
        EXPECT_EQ(names.analysis, c.stem + "-Analysis.txt") << c.name;
    }
}

TEST(BatchFormatterTest, EachNumberIsPrintedBetweenASignPlaceAndABlank)
{
    struct Case {
        const char* name;
        double proportion;
        std::string printed;  // as it follows " 0 ," in the distribution line
    };
    const Case cases[] = {
        {"a whole number", 1, " 1 "},
        {"a leading zero", 0.25, " 0.25 "},
        {"five decimals", 0.333333333, " 0.33333 "},
        {"a minus sign takes the blank's place", -0.5, "-0.5 "},
        {"rounded to zero, never minus zero", -1e-9, " 0 "},
        {"small values in exponent form", 0.00007, " 7E-05 "},
        {"large values keep their decimals", 123456.123456, " 123456.12346 "},
        {"trailing zeros dropped", 2.000004, " 2 "},
    };
    for (const Case& c : cases) {
        const ProjectedSteps steps{1, 0, {1}, {1}, {1}, {c.proportion}};
        EXPECT_EQ(ageDistributionText(steps), " 0 ," + c.printed + "\r\n") << c.name;
    }
}

TEST(BatchFormatterTest, TheAgeStructureLineRoundsNumbersToTwoAndTheGrowthRateToFour)
{
    ProjectedSteps steps;
    steps.classes = 3;
    steps.lastStep = 1;
    steps.numbers = {30000000.126, -2.5, 0.004, 0.125, 7, 0.375};
    steps.proportions.assign(steps.numbers.size(), 0.0);
    steps.totals = {29999997.63, 8.004};
    steps.growthRates = {0.00026834, 12345678901.23456};
    EXPECT_EQ(ageStructureText(steps),
              " 0 , 30000000.13 ,-2.5 , 0 , 29999997.63 , 0.0003 \r\n"
              " 1 , 0.12 , 7 , 0.38 , 8 , 12345678901.2346 \r\n");
}

// Steps built by hand may promise more lines than they hold values for:
// the writer shows only the steps it can fill, never reading past them.
TEST(BatchFormatterTest, OnlyStepsWithValuesArePrinted)
{
    struct Case {
        const char* name;
        ProjectedSteps steps;
        std::string structure, distribution;
    };
    const Case cases[] = {
        {"every value held", {1, 1, {2, 4}, {2, 4}, {2, 0.5}, {1, 1}}, " 0 , 2 , 2 , 2 \r\n 1 , 4 , 4 , 0.5 \r\n",
         " 0 , 1 \r\n 1 , 1 \r\n"},
        {"no growth rate for step 1", {1, 1, {2, 4}, {2, 4}, {2}, {1, 1}}, " 0 , 2 , 2 , 2 \r\n", " 0 , 1 \r\n"},
        {"T beyond the steps held", {2, 5, {1, 1}, {2}, {1}, {0.5, 0.5}}, " 0 , 1 , 1 , 2 , 1 \r\n",
         " 0 , 0.5 , 0.5 \r\n"},
        {"a negative T", {1, -1, {3}, {3}, {}, {1}}, "", ""},
        {"no classes", {0, 3, {}, {1, 1, 1, 1}, {1, 1, 1, 1}, {}}, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ageStructureText(c.steps), c.structure) << c.name;
        EXPECT_EQ(ageDistributionText(c.steps), c.distribution) << c.name;
    }
}

}  // namespace
}  // namespace dalvo
