// The whole batch projection: read the data file, project it, and write its three result files beside it.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string>

#include "model/result.h"

namespace dalvo {

// Runs the command on `dataFileName`: the age structure, the age
// distribution and the long-term outlook of the file's matrix. All three
// files are complete in temporary files before any replaces an old one, so a
// bad data file or a failed write changes no result file. The error says what
// went wrong, naming the file, and what the student can do about it.
Result<void> runBatchProjection(const std::string& dataFileName);

}  // namespace dalvo
