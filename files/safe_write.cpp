#include "files/safe_write.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

#include "files/file_reason.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#define DALVO_HAS_FSYNC 1
#endif

namespace dalvo {

namespace fs = std::filesystem;

namespace {

// Enough attempts that a clash of random names never matters in practice,
// few enough that a folder that refuses every name fails quickly.
constexpr int kNameAttempts = 64;

Error writeError(const std::string& path, int errorNumber)
{
    return Error{quotedPath(path) + " could not be written: " + fileReason(errorNumber, FileAction::Write) +
                 "."};
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

// Short and fixed in length, so that a long file name cannot push the
// temporary name past the system's limit.
std::string temporaryNameIn(const fs::path& folder)
{
    return (folder / (".dalvo-" + randomSuffix() + ".tmp")).string();
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
#ifdef DALVO_HAS_FSYNC
    // The rename must not reach the disk before the contents do, or a power
    // cut could leave an empty file where the old one was.
    if (::fsync(::fileno(file)) != 0 && errno != EINVAL) {
        errorNumber = errno;
        return false;
    }
#endif
    return true;
}

}  // namespace

PendingFile::PendingFile(std::string path, std::string target, std::string temporary)
    : path_(std::move(path)), target_(std::move(target)), temporary_(std::move(temporary))
{
}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : path_(std::move(other.path_)),
      target_(std::move(other.target_)),
      temporary_(std::exchange(other.temporary_, std::string()))
{
}

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept
{
    if (this != &other) {
        discard();
        path_ = std::move(other.path_);
        target_ = std::move(other.target_);
        temporary_ = std::exchange(other.temporary_, std::string());
    }
    return *this;
}

PendingFile::~PendingFile()
{
    discard();
}

void PendingFile::discard()
{
    if (temporary_.empty())
        return;
    std::error_code ignored;
    fs::remove(fs::path(temporary_), ignored);
    temporary_.clear();
}

Result<PendingFile> PendingFile::write(const std::string& path, std::string_view bytes)
{
    if (path.empty())
        return Error{"No file name was given, so nothing was written."};

    const std::string target = resolvedTarget(path);
    std::error_code ec;
    if (fs::is_directory(fs::path(target), ec))
        return writeError(path, EISDIR);

    fs::path folder = fs::path(target).parent_path();
    if (folder.empty())
        folder = ".";

    std::string temporary;
    std::FILE* file = nullptr;
    for (int attempt = 0; attempt < kNameAttempts && file == nullptr; ++attempt) {
        temporary = temporaryNameIn(folder);
        errno = 0;
        // "x": never open a file that happens to exist under the random name.
        file = std::fopen(temporary.c_str(), "wbx");
        if (file == nullptr && errno != EEXIST)
            return writeError(path, errno);
    }
    if (file == nullptr)
        return writeError(path, EEXIST);

    int errorNumber = 0;
    const bool written = finishWriting(file, bytes, errorNumber);
    errno = 0;
    const bool closed = std::fclose(file) == 0;
    if (written && !closed)
        errorNumber = errno;
    if (!written || !closed) {
        std::error_code ignored;
        fs::remove(fs::path(temporary), ignored);
        return writeError(path, errorNumber);
    }

    // A replaced file keeps the permissions the student gave it.
    const fs::file_status old = fs::status(fs::path(target), ec);
    if (!ec && fs::is_regular_file(old))
        fs::permissions(fs::path(temporary), old.permissions(), fs::perm_options::replace, ec);

    return PendingFile(path, target, std::move(temporary));
}

Result<void> PendingFile::commit()
{
    if (temporary_.empty())
        return writeError(path_, 0);
    std::error_code ec;
    fs::rename(fs::path(temporary_), fs::path(target_), ec);
    if (ec) {
        discard();
        return writeError(path_, ec.value());
    }
    temporary_.clear();
    return {};
}

Result<void> replaceFile(const std::string& path, std::string_view bytes)
{
    Result<PendingFile> pending = PendingFile::write(path, bytes);
    if (!pending)
        return pending.error();
    return pending.value().commit();
}

}  // namespace dalvo
