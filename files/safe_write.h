// Writes a group of files all or nothing, so that a failure never leaves a file half-written or a group half-replaced.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/result.h"

namespace dalvo {

// One file of a group: where it goes and its complete new contents.
struct NewFile {
    std::string path;
    std::string_view bytes;
};

// Why a group was not written.
struct WriteFailure {
    Error error;           // names the file and the reason
    int errorNumber = 0;   // the system's reason (an errno value), for advice that fits; 0 when unknown
    bool unchanged = true;  // every file holds what it held before and no stray file is left;
                            // when false the message says which file could not be put back
};

// The one safe-write rule. First every file's new contents are written in
// full to a temporary file beside it, flushed to the disk; a failure there
// removes every temporary file and changes nothing. Then each temporary file
// replaces its file in one step, in the order given. Should a replacement
// still fail, the files already replaced are put back as they were (their
// earlier contents are kept aside until the whole group is in place).
// Nothing when every file holds its new contents.
[[nodiscard]] std::optional<WriteFailure> replaceFiles(const std::vector<NewFile>& files);

// A group of one: afterwards `path` holds exactly `bytes`, or, on failure,
// exactly what it held before.
Result<void> replaceFile(const std::string& path, std::string_view bytes);

namespace safe_write_testing {
// Called with a file's index just before it replaces its file, once every
// file of the group is prepared; lets a test make a replacement fail.
inline std::function<void(std::size_t)> beforeReplacing;
}  // namespace safe_write_testing

}  // namespace dalvo
