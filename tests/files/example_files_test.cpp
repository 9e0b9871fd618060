// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "files/analysis_file.h"
#include "files/batch_command.h"
#include "files/batch_projection.h"
#include "files/batch_reader.h"
#include "files/text_file.h"
#include "model/long_term_outlook.h"
#include "tests/files/batch_data.h"
#include "tests/files/scratch_folder.h"

namespace dalvo {
namespace {

using testing_files::crlfLines;
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
    // The leading digits of λ, the root of the characteristic equation.
    std::string lambdaDigits;
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
          {21, 439.86328125}},
         "1.2197"},
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
          {100, 7449.749425902932}},
         "1.00698924"},
    };
    return shipped;
}

std::string examplePath(const char* file)
{
    return (std::filesystem::path(DALVO_EXAMPLES_DIR) / file).string();
}

TEST(ExampleFilesTest, EachExampleReadsAndProjectsAsItsMatrixDoes)
{
    for (const Example& example : examples()) {
        const Result<TextFile> file = readTextFile(examplePath(example.file));
        ASSERT_TRUE(file.ok()) << example.file << ": " << file.error().message;
        EXPECT_FALSE(file.value().cutShort) << example.file;

        const Result<BatchData> read = readBatchData(file.value().bytes);
        ASSERT_TRUE(read.ok()) << example.file << ": " << read.error().message;
        const int classes = example.lastAge + 1;
        EXPECT_EQ(read->matrix.classes(), classes) << example.file;
        EXPECT_EQ(read->matrix.survival.size(), static_cast<std::size_t>(example.lastAge)) << example.file;
        EXPECT_EQ(read->lastStep, example.steps) << example.file;
        ASSERT_EQ(read->initial.size(), static_cast<std::size_t>(classes)) << example.file;
        for (int j = 0; j < classes; ++j) {
            EXPECT_EQ(read->initial[j], j < example.initialGiven ? example.initialEach : 0.0)
                << example.file << ", class " << j;
        }

        const Result<ProjectedSteps> projected = projectBatch(*read);
        ASSERT_TRUE(projected.ok()) << example.file << ": " << projected.error().message;

        for (const auto& [t, total] : example.knownTotals)
            EXPECT_NEAR(projected->totals[t], total, total * 1e-12) << example.file << ", S(" << t << ")";

        const auto expected = matrixProjection(read->matrix.fecundity, read->matrix.survival, read->initial,
                                               example.steps + 1);
        for (int t = 0; t <= example.steps + 1; ++t) {
            double total = 0;
            double proportions = 0;
            for (int j = 0; j < classes; ++j) {
                total += expected[t][j];
                proportions += projected->proportion(t, j);
            }
            EXPECT_NEAR(projected->totals[t], total, total * 1e-12) << example.file << ", t " << t;
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
        const Result<void> done = runBatchProjection(copy);
        ASSERT_TRUE(done.ok()) << example.file << ": " << done.error().message;

        const std::string stem = std::filesystem::path(example.file).stem().string();
        const auto structure = crlfLines(readBytes(folder.file(stem + "-AgeStructure.txt")));
        const auto distribution = crlfLines(readBytes(folder.file(stem + "-AgeDistribution.txt")));
        ASSERT_EQ(structure.size(), static_cast<std::size_t>(example.steps + 1)) << example.file;
        ASSERT_EQ(distribution.size(), static_cast<std::size_t>(example.steps + 1)) << example.file;
        EXPECT_EQ(structure.back().rfind(" " + std::to_string(example.steps) + " ,", 0), 0u) << example.file;
        EXPECT_EQ(distribution.back().rfind(" " + std::to_string(example.steps) + " ,", 0), 0u)
            << example.file;

        const std::string analysis = readBytes(folder.file(stem + "-Analysis.txt"));
        const std::vector<std::string> analysisLines = crlfLines(analysis);
        ASSERT_EQ(analysisLines.size(), 18u) << example.file;
        EXPECT_EQ(analysisLines[0], "classes," + std::to_string(example.lastAge + 1)) << example.file;
        EXPECT_EQ(analysisLines[1].rfind("lambda," + example.lambdaDigits, 0), 0u)
            << example.file << ": " << analysisLines[1];
        // One field per class in every per-class line, P(n) left out.
        for (const std::string& line : analysisLines) {
            const auto commas = static_cast<int>(std::count(line.begin(), line.end(), ','));
            if (line.rfind("stable_distribution", 0) == 0 || line.rfind("reproductive_values", 0) == 0) {
                EXPECT_EQ(commas, example.lastAge + 1) << example.file << ": " << line;
            }
            if (line.rfind("sensitivity_survival", 0) == 0 || line.rfind("elasticity_survival", 0) == 0) {
                EXPECT_EQ(commas, example.lastAge) << example.file << ": " << line;
            }
        }
        EXPECT_EQ(folder.names(), (std::vector<std::string>{stem + "-AgeDistribution.txt",
                                                            stem + "-AgeStructure.txt", stem + "-Analysis.txt",
                                                            example.file}))
            << example.file;
    }
}

}  // namespace
}  // namespace dalvo
