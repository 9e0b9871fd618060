// Reads a whole data file into memory, with a plain-language reason when it cannot.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <cstddef>
#include <string>

#include "model/result.h"

namespace dalvo {

struct TextFile {
    std::string bytes;
    bool cutShort = false;  // the file was longer than the limit and only its start was read
};

// A batch data file is a few kilobytes; the start of anything much larger is
// read and the rest ignored, so that a wrong choice of file cannot exhaust
// memory.
inline constexpr std::size_t kLargestTextFile = 16u * 1024u * 1024u;

Result<TextFile> readTextFile(const std::string& path, std::size_t limit = kLargestTextFile);

}  // namespace dalvo
