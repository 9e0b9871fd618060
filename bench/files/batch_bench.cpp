// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// The batch projection at its largest (101 classes, T = 99), beside the cost of writing its three files alone.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "files/analysis_file.h"
#include "files/batch_command.h"
#include "files/batch_projection.h"
#include "files/batch_reader.h"
#include "files/batch_formatter.h"
#include "files/safe_write.h"
#include "model/long_term_outlook.h"

namespace {

namespace fs = std::filesystem;

// A folder of its own for the run, removed at the end.
class BenchFolder {
public:
    BenchFolder()
    {
        std::random_device random;
        path_ = fs::temp_directory_path() / ("dalvo-files-bench-" + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~BenchFolder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

std::string largestDataFile()
{
    auto list = [](auto valueOf) {
        std::string text;
        for (int j = 0; j <= dalvo::kBatchLastAge; ++j)
            text += (j == 0 ? "" : ",") + valueOf(j);
        return text;
    };
    return "Largest population,100\r\nFecundity\r\n" +
           list([](int j) { return std::string(j < 10 ? "0" : "0.0537"); }) + "\r\nSurvival rate\r\n" +
           list([](int j) { return std::string(j == dalvo::kBatchLastAge ? "0" : "0.9713"); }) +
           "\r\nInitial numbers\r\n" + list([](int j) { return std::to_string(1000 - 7 * j) + ".25"; }) +
           "\r\nNumber of steps\r\n99\r\n";
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

struct Results {
    std::string structure, distribution, analysis;

    std::int64_t bytes() const
    {
        return static_cast<std::int64_t>(structure.size() + distribution.size() + analysis.size());
    }
};

Results resultsOfLargestFile()
{
    const dalvo::Result<dalvo::BatchData> read = dalvo::readBatchData(largestDataFile());
    if (!read)
        return {};
    const dalvo::Result<dalvo::ProjectedSteps> projected = dalvo::projectBatch(*read);
    const dalvo::Result<dalvo::LongTermOutlook> outlook = dalvo::analyseLongTerm(read->matrix);
    if (!projected || !outlook)
        return {};
    return {dalvo::ageStructureText(*projected), dalvo::ageDistributionText(*projected),
            dalvo::analysisFileText(*outlook)};
}

// The three result files beside the largest data file.
struct ResultPaths {
    std::string structure, distribution, analysis;

    explicit ResultPaths(const BenchFolder& folder)
        : structure(folder.file("largest-AgeStructure.txt")),
          distribution(folder.file("largest-AgeDistribution.txt")),
          analysis(folder.file("largest-Analysis.txt"))
    {
    }
};

// The whole command: read the data file, project and analyse, write the three results.
void BM_BatchLargestFile(benchmark::State& state)
{
    BenchFolder folder;
    const std::string data = folder.file("largest.dat");
    writeFile(data, largestDataFile());
    const Results results = resultsOfLargestFile();
    if (results.structure.empty()) {
        state.SkipWithError("the largest data file could not be projected");
        return;
    }
    for (auto _ : state) {
        if (!dalvo::runBatchProjection(data).ok())
            state.SkipWithError("the batch projection failed");
    }
    state.SetBytesProcessed(state.iterations() * results.bytes());
}
BENCHMARK(BM_BatchLargestFile)->Unit(benchmark::kMillisecond);

// The same result bytes written the same safe way, as one group, with nothing computed.
void BM_WriteSameBytesSafely(benchmark::State& state)
{
    BenchFolder folder;
    const Results results = resultsOfLargestFile();
    const ResultPaths paths(folder);
    for (auto _ : state) {
        if (dalvo::replaceFiles({{paths.structure, results.structure},
                                 {paths.distribution, results.distribution},
                                 {paths.analysis, results.analysis}}))
            state.SkipWithError("writing failed");
    }
    state.SetBytesProcessed(state.iterations() * results.bytes());
}
BENCHMARK(BM_WriteSameBytesSafely)->Unit(benchmark::kMillisecond);

// The same bytes written straight over the files, no flush to disk: the
// floor under any writer.
void BM_WriteSameBytesPlainly(benchmark::State& state)
{
    BenchFolder folder;
    const Results results = resultsOfLargestFile();
    const ResultPaths paths(folder);
    for (auto _ : state) {
        writeFile(paths.structure, results.structure);
        writeFile(paths.distribution, results.distribution);
        writeFile(paths.analysis, results.analysis);
    }
    state.SetBytesProcessed(state.iterations() * results.bytes());
}
BENCHMARK(BM_WriteSameBytesPlainly)->Unit(benchmark::kMillisecond);

// Reading, projecting, analysing and formatting in memory, without any file.
void BM_ComputeLargestFileInMemory(benchmark::State& state)
{
    const std::string text = largestDataFile();
    for (auto _ : state) {
        const Results results = [&]() {
            const dalvo::Result<dalvo::BatchData> read = dalvo::readBatchData(text);
            if (!read)
                return Results{};
            const dalvo::Result<dalvo::ProjectedSteps> projected = dalvo::projectBatch(*read);
            const dalvo::Result<dalvo::LongTermOutlook> outlook = dalvo::analyseLongTerm(read->matrix);
            if (!projected || !outlook)
                return Results{};
            return Results{dalvo::ageStructureText(*projected), dalvo::ageDistributionText(*projected),
                           dalvo::analysisFileText(*outlook)};
        }();
        if (results.structure.empty())
            state.SkipWithError("the batch projection failed");
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_ComputeLargestFileInMemory)->Unit(benchmark::kMillisecond);

// The whole long-term analysis of the same file's matrix.
void BM_AnalysisLargest(benchmark::State& state)
{
    const dalvo::Result<dalvo::BatchData> read = dalvo::readBatchData(largestDataFile());
    if (!read) {
        state.SkipWithError("the data file could not be read");
        return;
    }
    const dalvo::LeslieMatrix& matrix = read->matrix;
    for (auto _ : state) {
        const dalvo::Result<dalvo::LongTermOutlook> outlook = dalvo::analyseLongTerm(matrix);
        if (!outlook)
            state.SkipWithError("the analysis failed");
        benchmark::DoNotOptimize(outlook);
    }
}
BENCHMARK(BM_AnalysisLargest)->Unit(benchmark::kMillisecond);

}  // namespace
