#include "files/batch_arrays.h"

namespace dalvo {

BatchArrays& batchArrays()
{
    static BatchArrays arrays;
    return arrays;
}

}  // namespace dalvo
