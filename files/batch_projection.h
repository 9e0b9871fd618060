// Projects the batch matrix step by step and checks that every result to be written can be formed.
#pragma once

#include "files/batch_arrays.h"
#include "model/result.h"

namespace dalvo {

// From n, F, P, X(0) and T as the reader left them: S(0) and D(0), then
// steps 1..T + 1, one more than is written so that G(T) exists. Fails, naming
// the step, when a total of a written step is 0 or a value to be written is
// not finite; a negative T projects nothing and cannot fail.
Result<void> projectBatch(BatchArrays& arrays);

}  // namespace dalvo
