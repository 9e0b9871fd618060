// The whole batch projection: read the data file, project, and write both result files beside it.
#pragma once

#include <string>

#include "files/batch_arrays.h"
#include "model/result.h"

namespace dalvo {

// Runs the command on `dataFileName`, which it puts into BatchFileName. Both
// result files are complete in temporary files before either replaces an
// old one, so a bad data file or a failed write changes no result file.
// `exportFileName` ends up naming the age-distribution file once the results
// are written. The error says what went wrong, naming the file.
Result<void> runBatchProjection(const std::string& dataFileName, BatchArrays& arrays,
                                std::string& exportFileName);

}  // namespace dalvo
