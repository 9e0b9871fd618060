// The forgiving number reader of the default-values editor: the leading number of a text, 0 when there is
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// none.
#pragma once

#include <string_view>

#include "model/number_text.h"

namespace dalvo {

// Blanks, tabs and line feeds are ignored wherever they stand. Then an
// optional sign, digits, a fraction after a period (or after the regional
// separator where that is not a period), and an exponent after E or D; or
// "&H" and "&O" with hexadecimal or octal digits, read as a non-negative
// whole number. Reading stops at the first character that cannot continue
// the number. It never fails: a text without a leading number is 0, and a
// number beyond the double range is plus or minus infinity, for the caller
// to refuse.
double readLeniently(std::string_view text, const NumberLocale& locale);

}  // namespace dalvo
