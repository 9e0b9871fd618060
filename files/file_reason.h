// Plain-language reasons for failed file operations, for messages that tell the student what went wrong.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string>

#include "model/result.h"

namespace dalvo {

// What the student was doing when the operation failed; the same error code
// reads differently for reading and for writing ("no such file" is about the
// file when reading, about its folder when writing).
enum class FileAction { Read, Write };

// The reason behind an errno value, as a lower-case clause that fits after a
// colon: "there is no such folder", "the disk is full"; translated, but for
// errno values this program has no words of its own for.
Error fileReason(int errorNumber, FileAction action);

// A file name as it may appear in a message: in quotes, with control
// characters shown as '?' so that a stray byte cannot garble the message.
std::string quotedPath(const std::string& path);

}  // namespace dalvo
