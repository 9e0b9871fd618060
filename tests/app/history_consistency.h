// Whether a run's history holds together up to stepCount(), as every table, chart and export assumes.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string>

#include "model/history.h"

namespace dalvo::testing_walk {

// The first inconsistency found in steps 0..stepCount(), described for a
// failure message; empty when there is none.
std::string historyInconsistency(const History& history);

}  // namespace dalvo::testing_walk
