// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/saved_run.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/default_values.h"
#include "model/stepwise_run.h"
#include "support/default_run.h"
#include "presentation/main_fields.h"
#include "tests/files/scratch_folder.h"

namespace dalvo {
namespace {

using testing_files::crlfLines;
using testing_files::readBytes;
using testing_files::ScratchFolder;
using testing_files::writeBytes;

// A new run from the default matrix and these initial numbers, written as
// the editor writes them: with the run's own decimal separator.
void startFrom(DefaultRun& run, const std::array<std::string, 4>& initial)
{
    auto localised = [&](std::string text) {
        if (const auto point = text.find('.'); point != std::string::npos)
            text.replace(point, 1, run.locale.decimalSeparator);
        return text;
    };
    std::array<std::string, 16> matrix{"0", "1", "2", "1", "0.5", "0", "0",   "0",
                                       "0", "1", "0", "0", "0",   "0", "0.5", "0"};
    std::array<std::string, 4> numbers = initial;
    for (std::string& text : matrix)
        text = localised(text);
    for (std::string& text : numbers)
        text = localised(text);
    const Result<NewRun> parsed = newRunFrom({matrix, numbers}, run.locale);
    ASSERT_TRUE(parsed.ok());
    ASSERT_TRUE(run.model.startNewRun(parsed->matrix, parsed->initial).ok());
}

// Fields of one record as a spreadsheet reads them: commas inside quotes
// belong to the field, and the quotes themselves are dropped.
std::vector<std::string> csvFields(const std::string& record)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (char c : record) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

std::string saved(const History& history, SavePrecision precision)
{
    Result<std::string> text = savedRunText(history, precision);
    EXPECT_TRUE(text.ok()) << (text.ok() ? "" : text.error().message);
    return text.ok() ? *text : std::string();
}

TEST(SavedRunTest, OneProjectionFromTheDefaultsWritesTheKnownFileInBothPrecisions)
{
    DefaultRun run;
    run.project(1);
    const std::string expected =
        "\"Time\",\"age 0\",\"age 1\",\"age 2\",\"age 3\",\"Total\",\"age distribution 0,1,2,3\"\r\n"
        "0,10,0,0,0,10,1,0,0,0\r\n"
        "1,0,5,0,0,5,0,1,0,0\r\n";
    EXPECT_EQ(saved(*run.history, SavePrecision::Full), expected);
    EXPECT_EQ(saved(*run.history, SavePrecision::Rounded), expected);
}

TEST(SavedRunTest, EveryStepFromZeroToStepCountGetsOneRecordOfTenFields)
{
    for (int steps : {0, 1, 2, 7, kLastStep}) {
        DefaultRun run;
        run.project(steps);
        ASSERT_EQ(run.history->stepCount(), steps);
        for (SavePrecision precision : {SavePrecision::Full, SavePrecision::Rounded}) {
            const std::vector<std::string> lines = crlfLines(saved(*run.history, precision));
            ASSERT_EQ(lines.size(), static_cast<std::size_t>(steps) + 2) << steps << " steps";
            const std::vector<std::string> header = csvFields(lines[0]);
            ASSERT_EQ(header.size(), 7u);
            EXPECT_EQ(header[6], "age distribution 0,1,2,3");
            for (int t = 0; t <= steps; ++t) {
                const std::vector<std::string> fields = csvFields(lines[static_cast<std::size_t>(t) + 1]);
                ASSERT_EQ(fields.size(), 10u) << "step " << t;
                EXPECT_EQ(fields[0], std::to_string(t));
            }
        }
    }
}

TEST(SavedRunTest, ValuesAreWrittenWithAPeriodAndRoundedInTheSecondFile)
{
    struct Case {
        const char* name;
        std::array<std::string, 4> initial;
        std::vector<std::string> full;     // fields 2..10 of the record for step 0
        std::vector<std::string> rounded;  // the same in the rounded file
    };
    const Case cases[] = {
        {"whole numbers have no point",
         {"10", "0", "0", "0"},
         {"10", "0", "0", "0", "10", "1", "0", "0", "0"},
         {"10", "0", "0", "0", "10", "1", "0", "0", "0"}},
        {"a leading zero before the point",
         {"0.5", "1.25", "0", "0.25"},
         {"0.5", "1.25", "0", "0.25", "2", "0.25", "0.625", "0", "0.125"},
         {"0.5", "1.25", "0", "0.25", "2", "0.25", "0.625", "0", "0.125"}},
        {"ties go to the even neighbour",
         {"0.0625", "0.1875", "1", "0"},
         {"0.0625", "0.1875", "1", "0", "1.25", "0.05", "0.15", "0.8", "0"},
         {"0.062", "0.188", "1", "0", "1.25", "0.05", "0.15", "0.8", "0"}},
        {"beyond the 32-bit range, rounded not wrapped",
         {"3000000000.12345", "0", "0", "0"},
         {"3000000000.12345", "0", "0", "0", "3000000000.12345", "1", "0", "0", "0"},
         {"3000000000.123", "0", "0", "0", "3000000000.123", "1", "0", "0", "0"}},
        {"large values in exponent form",
         {"1.5E+20", "0", "0", "0"},
         {"1.5E+20", "0", "0", "0", "1.5E+20", "1", "0", "0", "0"},
         {"1.5E+20", "0", "0", "0", "1.5E+20", "1", "0", "0", "0"}},
        {"small values in exponent form, zero once rounded",
         {"0.00001", "0", "0", "0"},
         {"1E-05", "0", "0", "0", "1E-05", "1", "0", "0", "0"},
         {"0", "0", "0", "0", "0", "1", "0", "0", "0"}},
    };
    for (const Case& c : cases) {
        for (const char* separator : {".", ","}) {
            DefaultRun run(NumberLocale{separator});
            startFrom(run, c.initial);
            run.project(1);
            for (SavePrecision precision : {SavePrecision::Full, SavePrecision::Rounded}) {
                const std::vector<std::string> lines = crlfLines(saved(*run.history, precision));
                ASSERT_GE(lines.size(), 2u) << c.name;
                std::vector<std::string> fields = csvFields(lines[1]);
                ASSERT_EQ(fields.size(), 10u) << c.name << " / locale " << separator << ": " << lines[1];
                fields.erase(fields.begin());
                EXPECT_EQ(fields, precision == SavePrecision::Full ? c.full : c.rounded)
                    << c.name << " / locale " << separator
                    << (precision == SavePrecision::Full ? " / full" : " / rounded");
            }
        }
    }
}

TEST(SavedRunTest, ACommaLocaleRunStillWritesPeriodsAndTenColumns)
{
    DefaultRun run(NumberLocale{","});
    run.project(4);
    ASSERT_EQ(shownFields(run.model, run.locale).now[2], "2,5") << "the run itself shows commas";
    const std::string text = saved(*run.history, SavePrecision::Full);
    const std::vector<std::string> lines = crlfLines(text);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], "3,10,2.5,0,2.5,15,0.666666666666667,0.166666666666667,0,0.166666666666667");
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(csvFields(lines[i]).size(), 10u) << lines[i];
}

TEST(SavedRunTest, SavingReplacesTheFile)
{
    ScratchFolder folder;
    const std::string path = folder.file("run.csv");
    DefaultRun longRun;
    longRun.project(6);
    DefaultRun shortRun;
    shortRun.project(1);

    writeBytes(path, std::string(5000, 'x'));
    ASSERT_TRUE(saveRunFile(*longRun.history, SavePrecision::Full, path).ok());
    EXPECT_EQ(readBytes(path), saved(*longRun.history, SavePrecision::Full));
    ASSERT_TRUE(saveRunFile(*shortRun.history, SavePrecision::Full, path).ok());
    EXPECT_EQ(readBytes(path), saved(*shortRun.history, SavePrecision::Full));
}

TEST(SavedRunTest, TheSamePathTwiceLeavesTheRoundedFile)
{
    ScratchFolder folder;
    const std::string path = folder.file("run.csv");
    DefaultRun run;
    run.project(4);
    const std::string full = saved(*run.history, SavePrecision::Full);
    const std::string rounded = saved(*run.history, SavePrecision::Rounded);
    ASSERT_NE(full, rounded);
    ASSERT_TRUE(saveRunFile(*run.history, SavePrecision::Full, path).ok());
    EXPECT_EQ(readBytes(path), full);
    ASSERT_TRUE(saveRunFile(*run.history, SavePrecision::Rounded, path).ok());
    EXPECT_EQ(readBytes(path), rounded);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"run.csv"});
}

TEST(SavedRunTest, AFailedWriteNamesTheFileAndTheReason)
{
    ScratchFolder folder;
    DefaultRun run;
    run.project(2);
    const std::string path = folder.file("missing-folder/run.csv");
    const Result<void> saved = saveRunFile(*run.history, SavePrecision::Full, path);
    ASSERT_FALSE(saved.ok());
    EXPECT_NE(saved.error().message.find("\"" + path + "\" could not be written: there is no such folder"),
              std::string::npos)
        << saved.error().message;
    EXPECT_TRUE(folder.names().empty());
}

}  // namespace
}  // namespace dalvo
