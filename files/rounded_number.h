// Rounded numbers as the result files print them: rounding to d decimals, then the general number form.
#pragma once

#include <string>

namespace dalvo {

// Appends roundToDecimals(value, decimals) in the general form of
// formatGeneral with a period, exactly as that would write it. The result
// files print many thousands of such numbers, so the common case, a plain
// number of at most 15 digits, takes a direct route.
void appendRounded(std::string& text, double value, int decimals);

}  // namespace dalvo
