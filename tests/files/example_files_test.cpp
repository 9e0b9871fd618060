#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "files/batch_arrays.h"
#include "files/batch_command.h"
#include "files/batch_projection.h"
#include "files/batch_reader.h"
#include "files/text_file.h"
#include "tests/files/batch_data.h"
#include "tests/files/scratch_folder.h"

namespace dalvo {
namespace {

using testing_files::crlfLines;
using testing_files::freshArrays;
using testing_files::matrixProjection;
using testing_files::readBytes;
using testing_files::ScratchFolder;
using testing_files::writeBytes;

// The sample data files shipped with the program, as a student gets them.
struct Example {
    const char* file;
    int lastAge;
    int steps;
    int initialGiven;  // initial numbers before the list ends
    double initialEach;
    // Totals S(t) worked out by hand or by a separate program from the
    // matrix the file describes.
    std::vector<std::pair<int, double>> knownTotals;
};

const std::vector<Example>& examples()
{
    static const std::vector<Example> shipped = {
        {"four-classes.txt",
         3,
         20,
         1,
         10,
         {{0, 10},
          {1, 5},
          {2, 10},
          {3, 15},
          {4, 12.5},
          {10, 48.4375},
          {20, 360.80078125},
          {21, 439.86328125}}},
        {"101-classes.txt",
         100,
         99,
         20,
         100,
         {{0, 2000},
          {1, 2680},
          {2, 2886.02},
          {10, 3817.0639244910835},
          {50, 5397.111907305347},
          {99, 7397.793000788112},
          {100, 7449.749425902932}}},
    };
    return shipped;
}

std::string examplePath(const char* file)
{
    return (std::filesystem::path(DALVO_EXAMPLES_DIR) / file).string();
}

std::vector<double> firstValues(const double* values, int count)
{
    return std::vector<double>(values, values + count);
}

TEST(ExampleFilesTest, EachExampleReadsAndProjectsAsItsMatrixDoes)
{
    for (const Example& example : examples()) {
        const Result<TextFile> file = readTextFile(examplePath(example.file));
        ASSERT_TRUE(file.ok()) << example.file << ": " << file.error().message;
        EXPECT_FALSE(file.value().cutShort) << example.file;

        auto arrays = freshArrays();
        const Result<void> read = readBatchData(file.value().bytes, *arrays);
        ASSERT_TRUE(read.ok()) << example.file << ": " << read.error().message;
        EXPECT_EQ(arrays->BatchLastAge, example.lastAge) << example.file;
        EXPECT_EQ(arrays->BatchSteps, example.steps) << example.file;
        const int classes = example.lastAge + 1;
        for (int j = 0; j < classes; ++j) {
            EXPECT_EQ(arrays->BatchN[0][j], j < example.initialGiven ? example.initialEach : 0.0)
                << example.file << ", class " << j;
        }

        const Result<void> projected = projectBatch(*arrays);
        ASSERT_TRUE(projected.ok()) << example.file << ": " << projected.error().message;

        for (const auto& [t, total] : example.knownTotals)
            EXPECT_NEAR(arrays->BatchTotal[t], total, total * 1e-12) << example.file << ", S(" << t << ")";

        const auto expected = matrixProjection(firstValues(arrays->BatchFecundity, classes),
                                               firstValues(arrays->BatchSurvival, classes),
                                               firstValues(arrays->BatchN[0], classes), example.steps + 1);
        for (int t = 0; t <= example.steps + 1; ++t) {
            double total = 0;
            double proportions = 0;
            for (int j = 0; j < classes; ++j) {
                total += expected[t][j];
                proportions += arrays->BatchProp[t][j];
            }
            EXPECT_NEAR(arrays->BatchTotal[t], total, total * 1e-12) << example.file << ", t " << t;
            EXPECT_NEAR(proportions, 1.0, 1e-12) << example.file << ", t " << t;
        }
    }
}

TEST(ExampleFilesTest, TheLightBulbCommandWritesOneLinePerStepForEachExample)
{
    for (const Example& example : examples()) {
        ScratchFolder folder;
        const std::string copy = folder.file(example.file);
        writeBytes(copy, readBytes(examplePath(example.file)));
        auto arrays = freshArrays();
        std::string exportFileName;

        const Result<void> done = runBatchProjection(copy, *arrays, exportFileName);
        ASSERT_TRUE(done.ok()) << example.file << ": " << done.error().message;

        const std::string stem = std::filesystem::path(example.file).stem().string();
        const auto structure = crlfLines(readBytes(folder.file(stem + "-AgeStructure.txt")));
        const auto distribution = crlfLines(readBytes(folder.file(stem + "-AgeDistribution.txt")));
        ASSERT_EQ(structure.size(), static_cast<std::size_t>(example.steps + 1)) << example.file;
        ASSERT_EQ(distribution.size(), static_cast<std::size_t>(example.steps + 1)) << example.file;
        EXPECT_EQ(structure.back().rfind(" " + std::to_string(example.steps) + " ,", 0), 0u) << example.file;
        EXPECT_EQ(distribution.back().rfind(" " + std::to_string(example.steps) + " ,", 0), 0u)
            << example.file;
    }
}

}  // namespace
}  // namespace dalvo
