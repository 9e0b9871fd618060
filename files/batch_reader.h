// Reads a batch data file's fields into the batch arrays: the title, n, F, P, the initial numbers and T.
#pragma once

#include <string_view>

#include "files/batch_arrays.h"
#include "model/result.h"

namespace dalvo {

// Reads the fields in their fixed order and stops after T; nothing after it
// is looked at. A byte order mark at the start is skipped; an empty line
// where a label belongs is an empty label, while a number is never empty. On success BatchLastAge, BatchSteps, F(0..n), P(0..n) and
// X(0, 0..n) hold the file's values. A failure says which field is wrong and
// on which line; the arrays may then hold part of the file.
Result<void> readBatchData(std::string_view text, BatchArrays& arrays);

}  // namespace dalvo
