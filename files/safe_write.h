// Writes a file so that a failure never leaves it half-written: a temporary file first, then a rename.
#pragma once

#include <string>
#include <string_view>

#include "model/result.h"

namespace dalvo {

// The complete new contents of a file, waiting in a temporary file in the
// same folder. Until commit() the old file, if any, is untouched; a pending
// file that is dropped without commit() removes its temporary file.
class PendingFile {
public:
    // Writes `bytes` to a new temporary file beside `path`. Fails, leaving
    // nothing behind, when the folder cannot take the file.
    static Result<PendingFile> write(const std::string& path, std::string_view bytes);

    PendingFile(PendingFile&& other) noexcept;
    PendingFile& operator=(PendingFile&& other) noexcept;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile();

    // Moves the new contents into place in one step, replacing the old file.
    Result<void> commit();

    const std::string& path() const { return path_; }

private:
    PendingFile(std::string path, std::string target, std::string temporary);
    void discard();

    std::string path_;       // where the file is meant to be, as the student named it
    std::string target_;     // the file actually replaced (a link's destination)
    std::string temporary_;  // empty once committed or discarded
};

// Writes and commits in one go: afterwards `path` holds exactly `bytes`, or,
// on failure, exactly what it held before.
Result<void> replaceFile(const std::string& path, std::string_view bytes);

}  // namespace dalvo
