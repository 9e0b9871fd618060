#include "files/batch_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/files/batch_data.h"
#include "tests/files/scratch_folder.h"

namespace dalvo {
namespace {

using testing_files::crlfLines;
using testing_files::dataFile;
using testing_files::freshArrays;
using testing_files::kExampleFile;
using testing_files::readBytes;
using testing_files::ScratchFolder;
using testing_files::writeBytes;

const std::string kOldStructure = "old age structure\r\n 0 , 1 \r\n";
const std::string kOldDistribution = "old age distribution\r\n";

// A data file owl.dat, and earlier results beside it when asked for.
struct BatchFolder {
    ScratchFolder folder;
    std::string data = folder.file("owl.dat");
    std::string structure = folder.file("owl-AgeStructure.txt");
    std::string distribution = folder.file("owl-AgeDistribution.txt");
    std::unique_ptr<BatchArrays> arrays = freshArrays();
    std::string exportFileName;

    void keepEarlierResults()
    {
        writeBytes(structure, kOldStructure);
        writeBytes(distribution, kOldDistribution);
    }
    Result<void> run(const std::string& path) { return runBatchProjection(path, *arrays, exportFileName); }
};

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
    EXPECT_EQ(batch.arrays->BatchFileName, batch.data);
    EXPECT_EQ(batch.exportFileName, batch.distribution);
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
    EXPECT_EQ(batch.folder.names(),
              (std::vector<std::string>{"owl-AgeDistribution.txt", "owl-AgeStructure.txt", "owl.dat"}));
}

TEST(BatchCommandTest, AShortNameKeepsItsResultsInItsOwnFolder)
{
    BatchFolder batch;
    const std::string data = batch.folder.file("a.b");
    writeBytes(data, kExampleFile);
    ASSERT_TRUE(batch.run(data).ok());
    EXPECT_EQ(batch.folder.names(),
              (std::vector<std::string>{"a.b", "a.b-AgeDistribution.txt", "a.b-AgeStructure.txt"}));
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
        {"only blank lines", "\r\n  \r\n", {"The file is empty"}},
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
        EXPECT_EQ(readBytes(batch.structure), kOldStructure) << c.name;
        EXPECT_EQ(readBytes(batch.distribution), kOldDistribution) << c.name;
        EXPECT_EQ(batch.folder.names(),
                  (std::vector<std::string>{"owl-AgeDistribution.txt", "owl-AgeStructure.txt", "owl.dat"}))
            << c.name;
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
        EXPECT_EQ(readBytes(batch.structure), kOldStructure) << c.name;
        EXPECT_EQ(readBytes(batch.distribution), kOldDistribution) << c.name;
    }
}

TEST(BatchCommandTest, AResultThatCannotBeWrittenLeavesBothOldResults)
{
    BatchFolder batch;
    writeBytes(batch.data, kExampleFile);
    writeBytes(batch.structure, kOldStructure);
    std::filesystem::create_directory(batch.distribution);
    const Result<void> done = batch.run(batch.data);
    ASSERT_FALSE(done.ok());
    EXPECT_NE(
        done.error().message.find("\"" + batch.distribution + "\" could not be written: it is a folder"),
        std::string::npos)
        << done.error().message;
    EXPECT_NE(done.error().message.find("No result file was changed"), std::string::npos)
        << done.error().message;
    EXPECT_EQ(readBytes(batch.structure), kOldStructure);
    EXPECT_EQ(batch.folder.names(),
              (std::vector<std::string>{"owl-AgeDistribution.txt", "owl-AgeStructure.txt", "owl.dat"}));
}

}  // namespace
}  // namespace dalvo
