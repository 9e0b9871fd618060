// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/batch_command.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "files/analysis_file.h"
#include "model/long_term_outlook.h"
#include "model/number_text.h"
#include "tests/files/batch_data.h"
#include "tests/files/scratch_folder.h"

namespace dalvo {
namespace {

using testing_files::crlfLines;
using testing_files::dataFile;
using testing_files::kExampleFile;
using testing_files::readBytes;
using testing_files::ScratchFolder;
using testing_files::writeBytes;

const std::string kOldStructure = "old age structure\r\n 0 , 1 \r\n";
const std::string kOldDistribution = "old age distribution\r\n";
const std::string kOldAnalysis = "classes,1\r\nlambda,9\r\n";
const std::vector<std::string> kResultsBesideOwl{"owl-AgeDistribution.txt", "owl-AgeStructure.txt",
                                                 "owl-Analysis.txt", "owl.dat"};

// A data file owl.dat, and earlier results beside it when asked for.
struct BatchFolder {
    ScratchFolder folder;
    std::string data = folder.file("owl.dat");
    std::string structure = folder.file("owl-AgeStructure.txt");
    std::string distribution = folder.file("owl-AgeDistribution.txt");
    std::string analysis = folder.file("owl-Analysis.txt");

    void keepEarlierResults()
    {
        writeBytes(structure, kOldStructure);
        writeBytes(distribution, kOldDistribution);
        writeBytes(analysis, kOldAnalysis);
    }
    bool earlierResultsKept() const
    {
        return readBytes(structure) == kOldStructure && readBytes(distribution) == kOldDistribution &&
               readBytes(analysis) == kOldAnalysis;
    }
    Result<void> run(const std::string& path) { return runBatchProjection(path); }
};

// The value of the analysis line that starts with `key`, or NaN.
double analysisValue(const std::string& text, const std::string& key)
{
    for (const std::string& line : crlfLines(text)) {
        if (line.rfind(key + ",", 0) == 0) {
            const Result<double> value = parseNumber(line.substr(key.size() + 1), NumberLocale{"."});
            return value ? *value : NAN;
        }
    }
    return NAN;
}

TEST(BatchCommandTest, TheExampleFileGivesTheKnownLines)
{
    BatchFolder batch;
    writeBytes(batch.data, kExampleFile);
    const Result<void> done = batch.run(batch.data);
    ASSERT_TRUE(done.ok()) << done.error().message;

    const std::vector<std::string> structure = crlfLines(readBytes(batch.structure));
    const std::vector<std::string> distribution = crlfLines(readBytes(batch.distribution));
    ASSERT_EQ(structure.size(), 21u);
    ASSERT_EQ(distribution.size(), 21u);
    EXPECT_EQ(structure[0], " 0 , 10 , 0 , 0 , 0 , 10 , 0.5 ");
    EXPECT_EQ(structure[1], " 1 , 0 , 5 , 0 , 0 , 5 , 2 ");
    EXPECT_EQ(distribution[0], " 0 , 1 , 0 , 0 , 0 ");
    EXPECT_EQ(distribution[1], " 1 , 0 , 1 , 0 , 0 ");
    EXPECT_EQ(readBytes(batch.structure)
                  .rfind(" 0 , 10 , 0 , 0 , 0 , 10 , 0.5 \r\n 1 , 0 , 5 , 0 , 0 , 5 , 2 \r\n", 0),
              0u);

    // The main window's default matrix; P(3) from the file is not part of it.
    const std::string analysis = readBytes(batch.analysis);
    EXPECT_EQ(analysis.rfind("classes,4\r\nlambda,1.2197", 0), 0u) << analysis;
    EXPECT_NEAR(analysisValue(analysis, "lambda"), 1.21977, 1e-5);
    EXPECT_NEAR(analysisValue(analysis, "net_reproductive_rate"), 0 + 0.5 * 1 + 0.5 * 2 + 0.25 * 1, 1e-12);
    EXPECT_EQ(crlfLines(analysis).size(), 18u);
    const LeslieMatrix matrix{{0, 1, 2, 1}, {0.5, 1, 0.5}};
    const Result<LongTermOutlook> outlook = analyseLongTerm(matrix);
    ASSERT_TRUE(outlook.ok());
    EXPECT_EQ(analysis, analysisFileText(*outlook, {"Example population", matrix, {10, 0, 0, 0}}));
    EXPECT_EQ(batch.folder.names(), kResultsBesideOwl);
}

TEST(BatchCommandTest, EarlierResultsAreReplacedNotAppendedTo)
{
    BatchFolder batch;
    batch.keepEarlierResults();
    writeBytes(batch.structure, std::string(20000, 'z'));
    writeBytes(batch.data, dataFile("0", {"2"}, {"0"}, {"1"}, "1"));
    ASSERT_TRUE(batch.run(batch.data).ok());
    EXPECT_EQ(readBytes(batch.structure), " 0 , 1 , 1 , 2 \r\n 1 , 2 , 2 , 2 \r\n");
    EXPECT_EQ(readBytes(batch.distribution), " 0 , 1 \r\n 1 , 1 \r\n");

    writeBytes(batch.data, dataFile("0", {"2"}, {"0"}, {"1"}, "-1"));
    ASSERT_TRUE(batch.run(batch.data).ok());
    EXPECT_EQ(readBytes(batch.structure), "");
    EXPECT_EQ(readBytes(batch.distribution), "");
    EXPECT_EQ(readBytes(batch.analysis).rfind("classes,1\r\nlambda,2\r\n", 0), 0u) << readBytes(batch.analysis);
    EXPECT_EQ(batch.folder.names(), kResultsBesideOwl);
}

TEST(BatchCommandTest, AShortNameKeepsItsResultsInItsOwnFolder)
{
    BatchFolder batch;
    const std::string data = batch.folder.file("a.b");
    writeBytes(data, kExampleFile);
    ASSERT_TRUE(batch.run(data).ok());
    EXPECT_EQ(batch.folder.names(),
              (std::vector<std::string>{"a.b", "a.b-AgeDistribution.txt", "a.b-AgeStructure.txt",
                                        "a.b-Analysis.txt"}));
}

std::string repeated(const std::string& text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

TEST(BatchCommandTest, BadInputSaysWhatAndWhereAndChangesNoResultFile)
{
    const std::vector<std::string> F{"0", "1", "2", "1"};
    const std::vector<std::string> P{"0.5", "1", "0.5", "0"};
    const std::vector<std::string> X{"10", "0", "0", "0"};
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> message;  // every piece must appear
    };
    const Case cases[] = {
        {"empty file", "", {"The file is empty"}},
        {"only blank lines", "\r\n  \r\n", {"The file holds nothing but blank lines"}},
        {"ends after the title", "Owls\r\n", {"ends after line 1, before the highest age index n"}},
        {"ends after n", "Owls,3\r\n", {"ends after line 1, before the label before the fecundities"}},
        {"ends in the fecundities",
         "Owls,3\r\nF\r\n0,1\r\n",
         {"ends after line 3, before the fecundity F(2)"}},
        {"ends before the survival rates",
         "Owls,3\r\nF\r\n0,1,2,1\r\n",
         {"before the label before the survival rates"}},
        {"ends in the survival rates",
         "Owls,3\r\nF\r\n0,1,2,1\r\nP\r\n0.5\r\n",
         {"ends after line 5, before the survival rate P(1)"}},
        {"ends before the initial numbers",
         "Owls,3\r\nF\r\n0,1,2,1\r\nP\r\n0.5,1,0.5,0\r\n",
         {"before the label before the initial numbers"}},
        {"ends in the initial numbers",
         "Owls,3\r\nF\r\n0,1,2,1\r\nP\r\n0.5,1,0.5,0\r\nX\r\n10,0\r\n",
         {"ends after line 7, before the initial number X(0, 2)"}},
        {"ends before the label of T",
         "Owls,3\r\nF\r\n0,1,2,1\r\nP\r\n0.5,1,0.5,0\r\nX\r\n10,0,0,0\r\n",
         {"before the label before the number of steps T"}},
        {"ends before T",
         "Owls,3\r\nF\r\n0,1,2,1\r\nP\r\n0.5,1,0.5,0\r\nX\r\n10,0,0,0\r\nSteps\r\n",
         {"ends after line 8, before the number of steps T"}},
        {"text for n",
         "Owls,three\r\n",
         {"Line 1: the highest age index n is \"three\", which is not a number"}},
        {"n = 101",
         dataFile("101", F, P, X, "5"),
         {"Line 1: the highest age index n is \"101\"; it must be a whole number from 0 to 100"}},
        {"n = -1", dataFile("-1", F, P, X, "5"), {"the highest age index n is \"-1\"; it must be"}},
        {"n not whole", dataFile("2.5", F, P, X, "5"), {"the highest age index n is \"2.5\"; it must be"}},
        {"T = 100",
         dataFile("3", F, P, X, "100"),
         {"Line 9: the number of steps T is \"100\"; it must be a whole number from -32768 to 99"}},
        {"T beyond the 16-bit range",
         dataFile("3", F, P, X, "-40000"),
         {"the number of steps T is \"-40000\""}},
        {"text for a fecundity",
         dataFile("3", {"0", "one", "2", "1"}, P, X, "5"),
         {"Line 3: the fecundity F(1) is \"one\", which is not a number"}},
        {"a decimal comma splits a rate",
         dataFile("3", F, {"0,5", "1", "0,5", "0"}, X, "5"),
         {"Line 6: the initial number X(0, 1) is \"Initial numbers\", which is not a number"}},
        {"an empty survival rate",
         dataFile("3", F, {"0.5", "", "0.5", "0"}, X, "5"),
         {"Line 5: the survival rate P(1) is empty"}},
        {"text for an initial number",
         dataFile("3", F, P, {"10", "ten"}, "5"),
         {"Line 7: the initial number X(0, 1) is \"ten\""}},
        {"text for T", dataFile("3", F, P, X, "twenty"), {"Line 9: the number of steps T is \"twenty\""}},
        {"blanks instead of commas",
         dataFile("3", {"0 1 2 1"}, P, X, "5"),
         {"Line 3: the fecundity F(0) is \"0 1 2 1\", which is not a number (numbers are separated by "
          "commas, not by blanks or tabs)."}},
        {"tabs instead of commas",
         dataFile("3", F, {"0.5\t1\t0.5\t0"}, X, "5"),
         {"Line 5: the survival rate P(0) is \"0.5 1 0.5 0\", which is not a number (numbers are separated "
          "by commas, not by blanks or tabs)."}},
        {"two periods",
         dataFile("3", {"0", "1.2.3", "2", "1"}, P, X, "5"),
         {"the fecundity F(1) is \"1.2.3\", which is not a number (numbers are written like 12, -0.5 or "
          "1.5E+3)."}},
        {"two minus signs",
         dataFile("3", F, P, {"--5"}, "5"),
         {"the initial number X(0, 0) is \"--5\", which is not a number"}},
        {"an exponent without digits", dataFile("3", F, P, X, "5e"), {"the number of steps T is \"5e\", which is not a number"}},
        {"a number too large to hold",
         dataFile("3", {"0", "1E+999", "2", "1"}, P, X, "5"),
         {"the fecundity F(1) is \"1E+999\", which is too large to use"}},
        {"a dying population",
         dataFile("3", {"0", "0", "0", "0"}, {"0", "0", "0", "0"}, X, "5"),
         {"At step 1 the total S(1) is 0"}},
        {"nobody to start with", dataFile("3", F, P, {"0", "0", "0", "0"}, "5"), {"add up to 0"}},
        {"overflow",
         dataFile("3", {"1E+200", "1E+200", "1E+200", "1E+200"}, P, {"1E+200", "0", "0", "0"}, "5"),
         {"At step 1 the numbers grow beyond"}},
        {"a quote left open",
         "\"Owls,3\r\nF\r\n0,1,2,1\r\n",
         {"Line 1: the title starts with a quote that is not closed on that line"}},
        {"binary garbage",
         std::string("\x7f"
                     "ELF\x02\x01\x01\x00\x00,\xff\xfe\x00\x13\x1b[2J",
                     18),
         {"Line 1: the highest age index n is \"?????[2J\", which is not a number"}},
        {"accented text for a number",
         dataFile("3", {"z\xC3\xA9ro", "1", "2", "1"}, P, X, "5"),
         {"Line 3: the fecundity F(0) is \"z\xC3\xA9ro\", which is not a number"}},
        {"an overlong UTF-8 form, as the fuzzer found it",
         dataFile("3",
                  {"none\xE0\x9D\x9A\x9B"
                   "ore",
                   "1", "2", "1"},
                  P, X, "5"),
         {"Line 3: the fecundity F(0) is \"none????ore\", which is not a number"}},
        {"a surrogate, a code point past U+10FFFF and a C1 control",
         dataFile("3", F, P,
                  {"10",
                   "a\xED\xA0\x80"
                   "b\xF4\x90\x80\x80"
                   "c\xC2\x85"
                   "d"},
                  "5"),
         {"Line 7: the initial number X(0, 1) is \"a???b????c?d\", which is not a number"}},
        {"a very long line",
         "Owls,3\r\nF\r\n" + std::string(1 << 20, 'x') + "\r\n",
         {"Line 3: the fecundity F(0) is \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...\""}},
        {"a very long number",
         "Owls," + repeated("1234567890", 100000) + "\r\n",
         {"the highest age index n is \"1234567890", "which is too large to use"}},
    };
    for (const Case& c : cases) {
        BatchFolder batch;
        batch.keepEarlierResults();
        writeBytes(batch.data, c.text);
        const Result<void> done = batch.run(batch.data);
        ASSERT_FALSE(done.ok()) << c.name;
        const std::string& message = done.error().message;
        EXPECT_EQ(message.rfind("The data file \"" + batch.data + "\" cannot be", 0), 0u)
            << c.name << ": " << message;
        for (const std::string& piece : c.message)
            EXPECT_NE(message.find(piece), std::string::npos) << c.name << ": " << message;
        EXPECT_NE(message.find("no result file was changed"), std::string::npos) << c.name << ": " << message;
        EXPECT_LT(message.size(), 600u) << c.name;
        for (char ch : message)
            EXPECT_FALSE(static_cast<unsigned char>(ch) < 0x20)
                << c.name << ": a control character in the message";
        EXPECT_TRUE(batch.earlierResultsKept()) << c.name;
        EXPECT_EQ(batch.folder.names(), kResultsBesideOwl) << c.name;
    }
}

TEST(BatchCommandTest, ADataFileThatCannotBeOpenedIsNamedWithTheReason)
{
    struct Case {
        const char* name;
        std::string relativePath;
        const char* reason;
    };
    const Case cases[] = {
        {"missing", "none.dat", "there is no such file"},
        {"a folder", "folder.dat", "it is a folder, not a file"},
        {"inside a file", "owl.dat/x.dat", "a part of its path is not a folder"},
    };
    for (const Case& c : cases) {
        BatchFolder batch;
        writeBytes(batch.data, kExampleFile);
        std::filesystem::create_directory(batch.folder.path() / "folder.dat");
        batch.keepEarlierResults();
        const std::string path = batch.folder.file(c.relativePath);
        const Result<void> done = batch.run(path);
        ASSERT_FALSE(done.ok()) << c.name;
        EXPECT_NE(done.error().message.find("\"" + path + "\" could not be opened: " + c.reason),
                  std::string::npos)
            << c.name << ": " << done.error().message;
        EXPECT_TRUE(batch.earlierResultsKept()) << c.name;
    }
}

// The result files of the example file, as the command writes them.
struct ExampleResults {
    std::string structure;
    std::string distribution;
    std::string analysis;
};

// The analysis file less its title line, which is the one line a data file's title changes.
std::string withoutTitle(std::string analysis)
{
    const std::size_t start = analysis.find("\r\ntitle,") + 2;
    return analysis.erase(start, analysis.find("\r\n", start) + 2 - start);
}

ExampleResults exampleResults()
{
    BatchFolder batch;
    writeBytes(batch.data, kExampleFile);
    EXPECT_TRUE(batch.run(batch.data).ok());
    return {readBytes(batch.structure), readBytes(batch.distribution), readBytes(batch.analysis)};
}

TEST(BatchCommandTest, AByteOrderMarkIsNotPartOfTheTitle)
{
    const ExampleResults expected = exampleResults();
    const std::string body = kExampleFile.substr(kExampleFile.find(",3\r\n"));
    for (const std::string& title : {std::string("Example population"), std::string("\"Owls, barn\"")}) {
        BatchFolder batch;
        writeBytes(batch.data, "\xEF\xBB\xBF" + title + body);
        const Result<void> done = batch.run(batch.data);
        ASSERT_TRUE(done.ok()) << title << ": " << done.error().message;
        EXPECT_EQ(readBytes(batch.structure), expected.structure) << title;
        EXPECT_EQ(readBytes(batch.distribution), expected.distribution) << title;
        const std::string analysis = readBytes(batch.analysis);
        EXPECT_EQ(withoutTitle(analysis), withoutTitle(expected.analysis)) << title;
        EXPECT_NE(analysis.find("\r\ntitle," + title + "\r\n"), std::string::npos) << analysis;
    }
}

TEST(BatchCommandTest, AnEmptyLineWhereALabelBelongsIsAnEmptyLabel)
{
    const ExampleResults expected = exampleResults();
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"an empty title on its own line", "\r\n3\r\nF\r\n0,1,2,1\r\nP\r\n0.5,1,0.5,0\r\nX\r\n10,0,0,0\r\nT\r\n20\r\n"},
        {"no label before the fecundities",
         "Owls,3\r\n\r\n0,1,2,1\r\nSurvival rate\r\n0.5,1,0.5,0\r\nX\r\n10,0,0,0\r\nT\r\n20\r\n"},
        {"every label empty, lines ending in commas",
         "Owls,3\r\n  \r\n0,1,2,1,\r\n\r\n0.5,1,0.5,0,\r\n\t\r\n10,0,0,0\r\n\r\n20\r\n"},
        {"empty labels with LF only", "Owls,3\n\n0,1,2,1\n\n0.5,1,0.5,0\n\n10,0,0,0\n\n20\n"},
        {"blank lines around written labels are spacing",
         "\r\nOwls,3\r\n\r\nF\r\n\r\n0,1,2,1\r\n\r\n\r\nP\r\n0.5,1,0.5,0\r\n\r\nX\r\n10,0,0,0\r\n\r\nT\r\n\r\n20\r\n"},
    };
    for (const Case& c : cases) {
        BatchFolder batch;
        writeBytes(batch.data, c.text);
        const Result<void> done = batch.run(batch.data);
        ASSERT_TRUE(done.ok()) << c.name << ": " << done.error().message;
        EXPECT_EQ(readBytes(batch.structure), expected.structure) << c.name;
        EXPECT_EQ(readBytes(batch.distribution), expected.distribution) << c.name;
        EXPECT_EQ(withoutTitle(readBytes(batch.analysis)), withoutTitle(expected.analysis)) << c.name;
    }
}

TEST(BatchCommandTest, AnEmptyFieldWhereANumberBelongsStaysAnError)
{
    struct Case {
        const char* name;
        std::string text;
        const char* message;
    };
    const Case cases[] = {
        {"an empty fecundity between commas",
         "Owls,3\r\n\r\n0,,2,1\r\n\r\n0.5,1,0.5,0\r\n\r\n10,0,0,0\r\n\r\n20\r\n",
         "Line 3: the fecundity F(1) is empty; a number is expected there."},
        {"an empty initial number after an empty label",
         "Owls,3\r\n\r\n0,1,2,1\r\n\r\n0.5,1,0.5,0\r\n\r\n10, ,0,0\r\n\r\n20\r\n",
         "Line 7: the initial number X(0, 1) is empty; a number is expected there."},
    };
    for (const Case& c : cases) {
        BatchFolder batch;
        batch.keepEarlierResults();
        writeBytes(batch.data, c.text);
        const Result<void> done = batch.run(batch.data);
        ASSERT_FALSE(done.ok()) << c.name;
        EXPECT_NE(done.error().message.find(c.message), std::string::npos) << c.name << ": " << done.error().message;
        EXPECT_TRUE(batch.earlierResultsKept()) << c.name;
    }
}

TEST(BatchCommandTest, AFileOfBlankLinesBeyondTheReadLimitSaysWhatWasRead)
{
    BatchFolder batch;
    batch.keepEarlierResults();
    writeBytes(batch.data, repeated("\r\n", 9 * 1024 * 1024));
    const Result<void> done = batch.run(batch.data);
    ASSERT_FALSE(done.ok());
    EXPECT_EQ(done.error().message,
              "The data file \"" + batch.data +
                  "\" cannot be used. Its first 16 MB hold nothing but blank lines, and no more of a file is "
                  "read; a data file starts with a title and the highest age index n. Correct the file and "
                  "run the batch projection again; no result file was changed.");
    EXPECT_TRUE(batch.earlierResultsKept());
}

// Names of 255 bytes are the longest most file systems take: with a stem of
// 237 characters the age-structure name (254) fits and the age-distribution
// name (257) does not.
TEST(BatchCommandTest, AResultNameTooLongForTheFileSystemChangesNoResultFile)
{
    const std::string stem(237, 'o');
    for (const bool earlierStructure : {false, true}) {
        BatchFolder batch;
        const std::string data = batch.folder.file(stem + ".dat");
        const std::string structure = batch.folder.file(stem + "-AgeStructure.txt");
        writeBytes(data, kExampleFile);
        if (earlierStructure)
            writeBytes(structure, kOldStructure);
        const std::vector<std::string> before = batch.folder.names();

        const Result<void> done = batch.run(data);
        ASSERT_FALSE(done.ok());
        const std::string& message = done.error().message;
        EXPECT_NE(message.find("-AgeDistribution.txt\" could not be written: the name is too long. No result "
                               "file was changed. Give the data file a shorter name"),
                  std::string::npos)
            << message;
        EXPECT_EQ(message.find("can be written to"), std::string::npos) << message;
        EXPECT_EQ(readBytes(structure), earlierStructure ? kOldStructure : "<missing>");
        EXPECT_EQ(batch.folder.names(), before);
    }
}

TEST(BatchCommandTest, AResultThatCannotBeWrittenLeavesEveryOldResult)
{
    struct Case {
        const char* suffix;  // where a folder stands instead of a result file
    };
    const Case cases[] = {{"-AgeStructure.txt"}, {"-AgeDistribution.txt"}, {"-Analysis.txt"}};
    for (const Case& c : cases) {
        BatchFolder batch;
        writeBytes(batch.data, kExampleFile);
        batch.keepEarlierResults();
        const std::string blocked = batch.folder.file(std::string("owl") + c.suffix);
        std::filesystem::remove(blocked);
        std::filesystem::create_directory(blocked);
        const Result<void> done = batch.run(batch.data);
        ASSERT_FALSE(done.ok()) << c.suffix;
        const std::string& message = done.error().message;
        EXPECT_NE(message.find("\"" + blocked + "\" could not be written: it is a folder"), std::string::npos)
            << message;
        EXPECT_NE(message.find("No result file was changed. Remove or rename that folder, then run the batch "
                               "projection again."),
                  std::string::npos)
            << message;
        EXPECT_EQ(message.find("can be written to"), std::string::npos) << message;
        for (const auto& [path, old] : {std::pair{batch.structure, kOldStructure},
                                        std::pair{batch.distribution, kOldDistribution},
                                        std::pair{batch.analysis, kOldAnalysis}}) {
            if (path != blocked) {
                EXPECT_EQ(readBytes(path), old) << c.suffix << ": " << path;
            }
        }
        EXPECT_TRUE(std::filesystem::is_directory(blocked)) << c.suffix;
        EXPECT_EQ(batch.folder.names(), kResultsBesideOwl) << c.suffix;
    }
}

TEST(BatchCommandTest, AMatrixWithoutALongTermOutlookWritesNoResultFile)
{
    const std::vector<std::string> X{"10", "0", "0", "0"};
    struct Case {
        const char* name;
        std::string text;
        const char* reason;
    };
    const Case cases[] = {
        {"a negative fecundity", dataFile("3", {"0", "-0.5", "2", "1"}, {"0.5", "1", "0.5", "0"}, X, "5"),
         "The fecundity F(1) is not a number of zero or more"},
        {"a survival rate above 1", dataFile("3", {"0", "1", "2", "1"}, {"0.5", "1.5", "0.5", "0"}, X, "5"),
         "The survival rate P(1) is not between 0 and 1"},
        {"a negative survival rate", dataFile("3", {"0", "1", "2", "1"}, {"-0.5", "1", "0.5", "0"}, X, "5"),
         "The survival rate P(0) is not between 0 and 1"},
        {"numbers too extreme", dataFile("1", {"1E-320", "0"}, {"1", "0"}, {"1", "0"}, "0"),
         "The matrix's numbers are too extreme for its long-term outlook to be worked out."},
        {"a negative T projects nothing but is still analysed",
         dataFile("1", {"0", "1"}, {"2", "0"}, {"1", "1"}, "-1"), "The survival rate P(0) is not between 0 and 1"},
    };
    for (const Case& c : cases) {
        for (const bool earlier : {false, true}) {
            BatchFolder batch;
            writeBytes(batch.data, c.text);
            if (earlier)
                batch.keepEarlierResults();
            const Result<void> done = batch.run(batch.data);
            ASSERT_FALSE(done.ok()) << c.name;
            const std::string& message = done.error().message;
            EXPECT_EQ(message.rfind("The data file \"" + batch.data + "\" cannot be analysed. " + c.reason, 0), 0u)
                << c.name << ": " << message;
            EXPECT_NE(message.find("Correct the file and run the batch projection again; no result file was "
                                   "changed."),
                      std::string::npos)
                << c.name << ": " << message;
            if (earlier) {
                EXPECT_TRUE(batch.earlierResultsKept()) << c.name;
                EXPECT_EQ(batch.folder.names(), kResultsBesideOwl) << c.name;
            } else {
                EXPECT_EQ(batch.folder.names(), std::vector<std::string>{"owl.dat"}) << c.name;
            }
        }
    }
}

}  // namespace
}  // namespace dalvo
