// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/safe_write.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

#include "files/file_reason.h"
#include "model/source_text.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#define DALVO_HAS_POSIX_FILES 1
#endif

namespace dalvo {

namespace fs = std::filesystem;

namespace {

// Enough attempts that a clash of random names never matters in practice,
// few enough that a folder that refuses every name fails quickly.
constexpr int kNameAttempts = 64;

WriteFailure writeFailure(const std::string& path, int errorNumber)
{
    return WriteFailure{explained(sourceText("dalvo::Error", "%1 could not be written: %2."),
                                  {quotedPath(path)}, {fileReason(errorNumber, FileAction::Write)}),
                        errorNumber};
}

std::string randomSuffix()
{
    static std::mt19937_64 generator{std::random_device{}()};
    static constexpr char kHex[] = "0123456789abcdef";
    std::uint64_t bits = generator();
    std::string text;
    for (int i = 0; i < 12; ++i) {
        text += kHex[bits & 0xF];
        bits >>= 4;
    }
    return text;
}

// A replaced link keeps pointing at the student's file: the new contents go
// to the link's destination, not over the link itself.
std::string resolvedTarget(const std::string& path)
{
    std::error_code ec;
    if (!fs::is_symlink(fs::path(path), ec))
        return path;
    const fs::path resolved = fs::weakly_canonical(fs::path(path), ec);
    return ec ? path : resolved.string();
}

fs::path folderOf(const std::string& target)
{
    fs::path folder = fs::path(target).parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// Short and fixed in length, so that a long file name cannot push the
// temporary name past the system's limit.
std::string spareNameIn(const fs::path& folder, const char* ending)
{
    return (folder / (".dalvo-" + randomSuffix() + ending)).string();
}

// Whether the file's final name can exist at all, asked before anything is
// written: a name too long for the file system would otherwise only fail at
// the last step, the rename, after other files of the group were replaced.
// 0 when nothing stands in the way (a missing folder shows when the
// temporary file is created).
int nameProblem(const std::string& target)
{
    std::error_code ec;
    (void)fs::symlink_status(fs::path(target), ec);
    if (ec && ec.value() != ENOENT)
        return ec.value();
#ifdef DALVO_HAS_POSIX_FILES
    const long longest = ::pathconf(folderOf(target).c_str(), _PC_NAME_MAX);
    if (longest > 0 && fs::path(target).filename().native().size() > static_cast<std::size_t>(longest))
        return ENAMETOOLONG;
#endif
    return 0;
}

bool finishWriting(std::FILE* file, std::string_view bytes, int& errorNumber)
{
    errno = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        errorNumber = errno;
        return false;
    }
    if (std::fflush(file) != 0) {
        errorNumber = errno;
        return false;
    }
#ifdef DALVO_HAS_POSIX_FILES
    // The rename must not reach the disk before the contents do, or a power
    // cut could leave an empty file where the old one was.
    if (::fsync(::fileno(file)) != 0 && errno != EINVAL) {
        errorNumber = errno;
        return false;
    }
#endif
    return true;
}

void removeQuietly(std::string& path)
{
    if (path.empty())
        return;
    std::error_code ignored;
    fs::remove(fs::path(path), ignored);
    path.clear();
}

// One file of the group on its way: its new contents complete in a
// temporary file, and, while the group is being replaced, its earlier
// contents kept aside.
struct PreparedFile {
    std::string path;       // as the student named it
    std::string target;     // the file actually replaced (a link's destination)
    std::string temporary;  // the new contents; empty once moved into place
    std::string backup;     // the earlier contents; empty when there is no earlier file or no need
    bool existed = false;   // a file stood at `target` before
    bool replaced = false;

    PreparedFile() = default;
    PreparedFile(PreparedFile&&) = default;
    PreparedFile& operator=(PreparedFile&&) = default;
    ~PreparedFile()
    {
        removeQuietly(temporary);
        removeQuietly(backup);
    }
};

std::optional<WriteFailure> writeTemporary(PreparedFile& file, std::string_view bytes)
{
    const fs::path folder = folderOf(file.target);
    std::string temporary;
    std::FILE* stream = nullptr;
    for (int attempt = 0; attempt < kNameAttempts && stream == nullptr; ++attempt) {
        temporary = spareNameIn(folder, ".tmp");
        errno = 0;
        // "x": never open a file that happens to exist under the random name.
        stream = std::fopen(temporary.c_str(), "wbx");
        if (stream == nullptr && errno != EEXIST)
            return writeFailure(file.path, errno);
    }
    if (stream == nullptr)
        return writeFailure(file.path, EEXIST);
    file.temporary = temporary;

    int errorNumber = 0;
    const bool written = finishWriting(stream, bytes, errorNumber);
    errno = 0;
    const bool closed = std::fclose(stream) == 0;
    if (written && !closed)
        errorNumber = errno;
    if (!written || !closed)
        return writeFailure(file.path, errorNumber);

    // A replaced file keeps the permissions the student gave it.
    std::error_code ec;
    const fs::file_status old = fs::status(fs::path(file.target), ec);
    if (!ec && fs::is_regular_file(old))
        fs::permissions(fs::path(file.temporary), old.permissions(), fs::perm_options::replace, ec);
    return std::nullopt;
}

// A second name for the earlier file, so that it outlives its replacement.
// A hard link costs nothing and keeps the very file, with its owner and
// permissions; where the file system has no hard links, a copy.
std::optional<WriteFailure> keepEarlierContents(PreparedFile& file)
{
    const fs::path folder = folderOf(file.target);
    int errorNumber = EEXIST;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string backup = spareNameIn(folder, ".bak");
        std::error_code ec;
        fs::create_hard_link(fs::path(file.target), fs::path(backup), ec);
        if (!ec) {
            file.backup = backup;
            return std::nullopt;
        }
        if (ec.value() == EEXIST)
            continue;
        fs::copy_file(fs::path(file.target), fs::path(backup), fs::copy_options::none, ec);
        if (!ec) {
            file.backup = backup;
            return std::nullopt;
        }
        errorNumber = ec.value();
        if (errorNumber != EEXIST)
            break;
    }
    return writeFailure(file.path, errorNumber);
}

std::optional<WriteFailure> prepare(const NewFile& wanted, bool keepEarlier, PreparedFile& file)
{
    if (wanted.path.empty())
        return WriteFailure{
            explained(sourceText("dalvo::Error", "No file name was given, so nothing was written.")), 0};
    file.path = wanted.path;
    file.target = resolvedTarget(wanted.path);

    std::error_code ec;
    if (fs::is_directory(fs::path(file.target), ec))
        return writeFailure(file.path, EISDIR);
    if (const int problem = nameProblem(file.target); problem != 0)
        return writeFailure(file.path, problem);
    file.existed = fs::exists(fs::symlink_status(fs::path(file.target), ec));

    if (std::optional<WriteFailure> failed = writeTemporary(file, wanted.bytes))
        return failed;
    if (keepEarlier && file.existed)
        return keepEarlierContents(file);
    return std::nullopt;
}

// Undoes the replacements made before a failure, last first. Returns what
// could not be undone, as sentences for the message; empty when every file
// is back as it was.
std::string putBack(std::vector<PreparedFile>& files)
{
    std::string notRestored;
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        if (!file->replaced)
            continue;
        std::error_code ec;
        if (file->existed) {
            fs::rename(fs::path(file->backup), fs::path(file->target), ec);
            if (ec) {
                notRestored += " " + quotedPath(file->path) +
                               " was replaced and could not be put back as it was; its earlier contents are "
                               "kept in " +
                               quotedPath(file->backup) + ".";
            }
            file->backup.clear();  // now the file itself, or kept for the student
        } else {
            fs::remove(fs::path(file->target), ec);
            if (ec)
                notRestored += " " + quotedPath(file->path) + " was written and could not be removed again.";
        }
    }
    return notRestored;
}

}  // namespace

std::optional<WriteFailure> replaceFiles(const std::vector<NewFile>& files)
{
    // Prepared files left behind on any return remove their temporary files
    // and backups.
    std::vector<PreparedFile> prepared(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        // A file's earlier contents are needed only if a later file of the
        // group can still fail; a group of one is a single rename, which
        // either happens or not.
        const bool keepEarlier = i + 1 < files.size();
        if (std::optional<WriteFailure> failed = prepare(files[i], keepEarlier, prepared[i]))
            return failed;
    }

    // Every file is ready. A rename in a folder that took a temporary file a
    // moment ago fails only when something changes under the program's feet;
    // should it happen, the earlier files go back, from the backups kept just
    // for this. Backups rather than undoing in another way: a rename of the
    // backup puts back the very file, in one step, with its permissions.
    for (std::size_t i = 0; i < prepared.size(); ++i) {
        PreparedFile& file = prepared[i];
        if (safe_write_testing::beforeReplacing)
            safe_write_testing::beforeReplacing(i);
        std::error_code ec;
        fs::rename(fs::path(file.temporary), fs::path(file.target), ec);
        if (ec) {
            WriteFailure failure = writeFailure(file.path, ec.value());
            const std::string notRestored = putBack(prepared);
            if (!notRestored.empty()) {
                // Told whole in English rather than translated without it.
                failure.error = Error{failure.error.message + notRestored};
                failure.unchanged = false;
            }
            return failure;
        }
        file.temporary.clear();
        file.replaced = true;
    }
    return std::nullopt;
}

Result<void> replaceFile(const std::string& path, std::string_view bytes)
{
    if (std::optional<WriteFailure> failed = replaceFiles({NewFile{path, bytes}}))
        return failed->error;
    return {};
}

}  // namespace dalvo
