// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/safe_write.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/files/scratch_folder.h"

#if __has_include(<sys/resource.h>)
#include <sys/resource.h>
#define DALVO_HAS_FILE_SIZE_LIMIT 1
#endif

namespace dalvo {
namespace {

namespace fs = std::filesystem;
using testing_files::readBytes;
using testing_files::ScratchFolder;
using testing_files::writeBytes;

TEST(SafeWriteTest, ReplaceFileLeavesExactlyTheNewBytes)
{
    struct Case {
        const char* name;
        const char* old;  // nullptr: no file before
        std::string bytes;
    };
    const Case cases[] = {
        {"new file", nullptr, "a,b\r\n"},
        {"longer old file is cut", "0123456789\r\n0123456789\r\n", "1\r\n"},
        {"shorter old file grows", "x", std::string(100000, 'y')},
        {"empty contents", "old", ""},
        {"bytes with a NUL", nullptr, std::string("a\0b", 3)},
    };
    for (const Case& c : cases) {
        ScratchFolder folder;
        const std::string path = folder.file("out.txt");
        if (c.old != nullptr)
            writeBytes(path, c.old);
        const Result<void> written = replaceFile(path, c.bytes);
        ASSERT_TRUE(written.ok()) << c.name << ": " << written.error().message;
        EXPECT_EQ(readBytes(path), c.bytes) << c.name;
        EXPECT_EQ(folder.names(), std::vector<std::string>{"out.txt"}) << c.name;
    }
}

TEST(SafeWriteTest, FailuresNameTheFileAndTheReasonAndKeepTheOldFile)
{
    struct Case {
        const char* name;
        std::string relativePath;  // inside the scratch folder; "" for an empty name
        const char* reason;
    };
    const Case cases[] = {
        {"missing folder", "no-such-folder/out.txt", "there is no such folder"},
        {"folder is a regular file", "kept.txt/out.txt", "a part of its path is not a folder"},
        {"target is a folder", "a-folder", "it is a folder, not a file"},
        {"empty name", "", "No file name was given"},
    };
    for (const Case& c : cases) {
        ScratchFolder folder;
        writeBytes(folder.file("kept.txt"), "old contents\r\n");
        fs::create_directory(folder.path() / "a-folder");
        const std::string path = c.relativePath.empty() ? std::string() : folder.file(c.relativePath);

        const Result<void> written = replaceFile(path, "new contents\r\n");
        ASSERT_FALSE(written.ok()) << c.name;
        EXPECT_NE(written.error().message.find(c.reason), std::string::npos)
            << c.name << ": " << written.error().message;
        if (!path.empty()) {
            EXPECT_NE(written.error().message.find("\"" + path + "\""), std::string::npos)
                << c.name << ": " << written.error().message;
        }
        EXPECT_EQ(readBytes(folder.file("kept.txt")), "old contents\r\n") << c.name;
        EXPECT_EQ(folder.names(), (std::vector<std::string>{"a-folder", "kept.txt"})) << c.name;
    }
}

#ifdef DALVO_HAS_FILE_SIZE_LIMIT
// Running as root, no folder permission stops a write; a file size limit
// makes the write itself fail part-way, as a full disk would.
TEST(SafeWriteTest, AWriteThatFailsPartWayKeepsTheOldFileWhole)
{
    ScratchFolder folder;
    const std::string path = folder.file("run.csv");
    const std::string old = "\"Time\"\r\n0,10\r\n";
    writeBytes(path, old);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Result<void> written = replaceFile(path, std::string(10000, '7'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_FALSE(written.ok());
    EXPECT_NE(written.error().message.find("larger than this computer allows"), std::string::npos)
        << written.error().message;
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"run.csv"});
}
#endif

// Sets the hook for one test and clears it again, whatever happens.
struct ReplacingHook {
    explicit ReplacingHook(std::function<void(std::size_t)> hook)
    {
        safe_write_testing::beforeReplacing = std::move(hook);
    }
    ~ReplacingHook() { safe_write_testing::beforeReplacing = nullptr; }
};

// A non-empty folder where a file was: no rename can replace it.
void putFolderInPlaceOf(const std::string& path)
{
    fs::remove(path);
    fs::create_directory(path);
    writeBytes(path + "/inside.txt", "x");
}

TEST(SafeWriteTest, AGroupIsCompleteInTemporaryFilesBeforeAnyFileIsReplaced)
{
    ScratchFolder folder;
    const std::string a = folder.file("a.txt");
    const std::string b = folder.file("b.txt");
    const std::string c = folder.file("c.txt");
    writeBytes(a, "old a");
    writeBytes(b, "old b");
    std::vector<std::string> namesBeforeReplacing;
    std::string contentsBeforeReplacing;
    {
        ReplacingHook hook([&](std::size_t i) {
            if (i != 0)
                return;
            namesBeforeReplacing = folder.names();
            contentsBeforeReplacing = readBytes(a) + "|" + readBytes(b) + "|" + readBytes(c);
        });
        const std::optional<WriteFailure> failed = replaceFiles({{a, "new a"}, {b, "new b"}, {c, "new c"}});
        ASSERT_FALSE(failed.has_value()) << failed->error.message;
    }
    // Three temporary files and the two earlier files kept aside.
    EXPECT_EQ(namesBeforeReplacing.size(), 2u + 3u + 2u);
    EXPECT_EQ(contentsBeforeReplacing, "old a|old b|<missing>");
    EXPECT_EQ(readBytes(a), "new a");
    EXPECT_EQ(readBytes(b), "new b");
    EXPECT_EQ(readBytes(c), "new c");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
}

TEST(SafeWriteTest, AGroupThatCannotBePreparedChangesNoFile)
{
    struct Case {
        const char* name;
        std::string lastName;  // the group's last file, inside the scratch folder
        const char* reason;
    };
    const Case cases[] = {
        {"a folder stands there", "a-folder", "it is a folder, not a file"},
        {"a name too long for the file system", std::string(256, 'n') + ".txt", "the name is too long"},
        {"no such folder", "missing/c.txt", "there is no such folder"},
    };
    for (const Case& c : cases) {
        ScratchFolder folder;
        const std::string a = folder.file("a.txt");
        const std::string b = folder.file("b.txt");
        writeBytes(a, "old a");
        fs::create_directory(folder.path() / "a-folder");
        const std::string last = folder.file(c.lastName);

        const std::optional<WriteFailure> failed = replaceFiles({{a, "new a"}, {b, "new b"}, {last, "new"}});
        ASSERT_TRUE(failed.has_value()) << c.name;
        EXPECT_NE(failed->error.message.find("\"" + last + "\" could not be written: " + c.reason),
                  std::string::npos)
            << c.name << ": " << failed->error.message;
        EXPECT_TRUE(failed->unchanged) << c.name;
        EXPECT_EQ(readBytes(a), "old a") << c.name;
        EXPECT_EQ(folder.names(), (std::vector<std::string>{"a-folder", "a.txt"})) << c.name;
    }
}

TEST(SafeWriteTest, AReplacementThatFailsPutsBackTheFilesAlreadyReplaced)
{
    ScratchFolder folder;
    const std::string a = folder.file("a.txt");
    const std::string b = folder.file("b.txt");
    const std::string c = folder.file("c.txt");
    writeBytes(a, "old a");
    writeBytes(c, "old c");
    const ReplacingHook hook([&](std::size_t i) {
        if (i == 2)
            putFolderInPlaceOf(c);
    });
    const std::optional<WriteFailure> failed = replaceFiles({{a, "new a"}, {b, "new b"}, {c, "new c"}});
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->error.message.rfind("\"" + c + "\" could not be written: ", 0), 0u)
        << failed->error.message;
    EXPECT_TRUE(failed->unchanged) << failed->error.message;
    EXPECT_EQ(readBytes(a), "old a");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"a.txt", "c.txt"})) << "b.txt was new and is gone";
}

TEST(SafeWriteTest, AFileThatCannotBePutBackIsNamedWithWhereItsEarlierContentsAre)
{
    ScratchFolder folder;
    const std::string a = folder.file("a.txt");
    const std::string b = folder.file("b.txt");
    writeBytes(a, "old a");
    writeBytes(b, "old b");
    const ReplacingHook hook([&](std::size_t i) {
        if (i == 1) {
            putFolderInPlaceOf(a);
            putFolderInPlaceOf(b);
        }
    });
    const std::optional<WriteFailure> failed = replaceFiles({{a, "new a"}, {b, "new b"}});
    ASSERT_TRUE(failed.has_value());
    EXPECT_FALSE(failed->unchanged);
    const std::string& message = failed->error.message;
    const std::string kept = "\"" + a + "\" was replaced and could not be put back as it was; its earlier "
                             "contents are kept in \"";
    const std::size_t at = message.find(kept);
    ASSERT_NE(at, std::string::npos) << message;
    const std::size_t start = at + kept.size();
    const std::string backup = message.substr(start, message.find('"', start) - start);
    EXPECT_EQ(readBytes(backup), "old a") << message;
}

TEST(SafeWriteTest, AReplacedFileKeepsItsPermissions)
{
    ScratchFolder folder;
    const std::string path = folder.file("shared.csv");
    writeBytes(path, "old");
    const fs::perms chosen = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, chosen);
    ASSERT_TRUE(replaceFile(path, "new").ok());
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::mask, chosen);
}

TEST(SafeWriteTest, WritingThroughALinkReplacesTheLinkedFile)
{
    ScratchFolder folder;
    const std::string real = folder.file("real.csv");
    const std::string link = folder.file("link.csv");
    writeBytes(real, "old");
    fs::create_symlink(real, link);
    ASSERT_TRUE(replaceFile(link, "new").ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(real), "new");
}

}  // namespace
}  // namespace dalvo
