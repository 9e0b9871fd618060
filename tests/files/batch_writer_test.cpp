#include "files/batch_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/files/batch_data.h"

namespace dalvo {
namespace {

using testing_files::freshArrays;

TEST(BatchWriterTest, ResultNamesDropTheLastFourCharactersOfALongerName)
{
    struct Case {
        const char* name;
        std::string data;
        std::string stem;  // what comes before "-AgeStructure.txt"
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
    }
}

TEST(BatchWriterTest, EachNumberIsPrintedBetweenASignPlaceAndABlank)
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
        auto arrays = freshArrays();
        arrays->BatchLastAge = 0;
        arrays->BatchSteps = 0;
        arrays->BatchProp[0][0] = c.proportion;
        EXPECT_EQ(ageDistributionText(*arrays), " 0 ," + c.printed + "\r\n") << c.name;
    }
}

TEST(BatchWriterTest, TheAgeStructureLineRoundsNumbersToTwoAndTheGrowthRateToFour)
{
    auto arrays = freshArrays();
    arrays->BatchLastAge = 2;
    arrays->BatchSteps = 1;
    const double numbers[2][3] = {{30000000.126, -2.5, 0.004}, {0.125, 7, 0.375}};
    for (int t = 0; t < 2; ++t) {
        for (int j = 0; j < 3; ++j)
            arrays->BatchN[t][j] = numbers[t][j];
    }
    arrays->BatchTotal[0] = 29999997.63;
    arrays->BatchTotal[1] = 8.004;
    arrays->BatchGrowth[0] = 0.00026834;
    arrays->BatchGrowth[1] = 12345678901.23456;
    EXPECT_EQ(ageStructureText(*arrays),
              " 0 , 30000000.13 ,-2.5 , 0 , 29999997.63 , 0.0003 \r\n"
              " 1 , 0.12 , 7 , 0.38 , 8 , 12345678901.2346 \r\n");
}

}  // namespace
}  // namespace dalvo
