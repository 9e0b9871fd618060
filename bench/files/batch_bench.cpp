// The batch projection at its largest (101 classes, T = 99), beside the cost of writing its bytes alone.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <system_error>

#include "files/batch_arrays.h"
#include "files/batch_command.h"
#include "files/batch_projection.h"
#include "files/batch_reader.h"
#include "files/batch_writer.h"
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
        for (int j = 0; j <= dalvo::kBatchLastIndex; ++j)
            text += (j == 0 ? "" : ",") + valueOf(j);
        return text;
    };
    return "Largest population,100\r\nFecundity\r\n" +
           list([](int j) { return std::string(j < 10 ? "0" : "0.0537"); }) + "\r\nSurvival rate\r\n" +
           list([](int j) { return std::string(j == dalvo::kBatchLastIndex ? "0" : "0.9713"); }) +
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
    std::string structure, distribution;
};

Results resultsOfLargestFile()
{
    auto arrays = std::make_unique<dalvo::BatchArrays>();
    if (!dalvo::readBatchData(largestDataFile(), *arrays).ok() || !dalvo::projectBatch(*arrays).ok())
        return {};
    return {dalvo::ageStructureText(*arrays), dalvo::ageDistributionText(*arrays)};
}

// The whole command: read the data file, project, write both results.
void BM_BatchLargestFile(benchmark::State& state)
{
    BenchFolder folder;
    const std::string data = folder.file("largest.dat");
    writeFile(data, largestDataFile());
    auto arrays = std::make_unique<dalvo::BatchArrays>();
    std::string exportFileName;
    const Results results = resultsOfLargestFile();
    for (auto _ : state) {
        if (!dalvo::runBatchProjection(data, *arrays, exportFileName).ok())
            state.SkipWithError("the batch projection failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(results.structure.size() +
                                                                           results.distribution.size()));
}
BENCHMARK(BM_BatchLargestFile)->Unit(benchmark::kMillisecond);

// The same result bytes written the same safe way, with nothing computed.
void BM_WriteSameBytesSafely(benchmark::State& state)
{
    BenchFolder folder;
    const Results results = resultsOfLargestFile();
    const std::string structure = folder.file("largest-AgeStructure.txt");
    const std::string distribution = folder.file("largest-AgeDistribution.txt");
    for (auto _ : state) {
        if (!dalvo::replaceFile(structure, results.structure).ok() ||
            !dalvo::replaceFile(distribution, results.distribution).ok())
            state.SkipWithError("writing failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(results.structure.size() +
                                                                           results.distribution.size()));
}
BENCHMARK(BM_WriteSameBytesSafely)->Unit(benchmark::kMillisecond);

// The same bytes written straight over the files, no flush to disk: the
// floor under any writer.
void BM_WriteSameBytesPlainly(benchmark::State& state)
{
    BenchFolder folder;
    const Results results = resultsOfLargestFile();
    const std::string structure = folder.file("largest-AgeStructure.txt");
    const std::string distribution = folder.file("largest-AgeDistribution.txt");
    for (auto _ : state) {
        writeFile(structure, results.structure);
        writeFile(distribution, results.distribution);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(results.structure.size() +
                                                                           results.distribution.size()));
}
BENCHMARK(BM_WriteSameBytesPlainly)->Unit(benchmark::kMillisecond);

// Reading, projecting and formatting in memory, without any file.
void BM_ComputeLargestFileInMemory(benchmark::State& state)
{
    const std::string text = largestDataFile();
    auto arrays = std::make_unique<dalvo::BatchArrays>();
    for (auto _ : state) {
        if (!dalvo::readBatchData(text, *arrays).ok() || !dalvo::projectBatch(*arrays).ok())
            state.SkipWithError("the batch projection failed");
        benchmark::DoNotOptimize(dalvo::ageStructureText(*arrays));
        benchmark::DoNotOptimize(dalvo::ageDistributionText(*arrays));
    }
}
BENCHMARK(BM_ComputeLargestFileInMemory)->Unit(benchmark::kMillisecond);

// The whole long-term analysis of the same file's matrix.
void BM_AnalysisLargest(benchmark::State& state)
{
    auto arrays = std::make_unique<dalvo::BatchArrays>();
    if (!dalvo::readBatchData(largestDataFile(), *arrays).ok()) {
        state.SkipWithError("the data file could not be read");
        return;
    }
    const int n = arrays->BatchLastAge;
    const dalvo::LeslieMatrix matrix{{arrays->BatchFecundity, arrays->BatchFecundity + n + 1},
                                     {arrays->BatchSurvival, arrays->BatchSurvival + n}};
    for (auto _ : state) {
        const dalvo::Result<dalvo::LongTermOutlook> outlook = dalvo::analyseLongTerm(matrix);
        if (!outlook)
            state.SkipWithError("the analysis failed");
        benchmark::DoNotOptimize(outlook);
    }
}
BENCHMARK(BM_AnalysisLargest)->Unit(benchmark::kMillisecond);

}  // namespace
