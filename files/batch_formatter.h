// The batch projection's result files: their names beside the data file, and the lines of the two projection files.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string>

#include "files/batch_projection.h"

namespace dalvo {

struct BatchResultNames {
    std::string ageStructure;
    std::string ageDistribution;
    std::string analysis;
};

// The data file's name without its last four characters (normally the
// extension), then "-AgeStructure.txt", "-AgeDistribution.txt" or
// "-Analysis.txt". A name part of four characters or fewer is kept whole, so
// the results always land in the data file's own folder with a name of
// their own.
BatchResultNames batchResultNames(const std::string& dataFileName);

// One line per step 0..T: t, X(t, 0..n) and S(t) to 2 decimals, G(t) to 4.
std::string ageStructureText(const ProjectedSteps& steps);

// One line per step 0..T: t, D(t, 0..n) to 5 decimals.
std::string ageDistributionText(const ProjectedSteps& steps);

}  // namespace dalvo
