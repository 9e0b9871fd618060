// Rounded numbers as the result files print them: rounding to d decimals, then the general number form.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string>

namespace dalvo {

// roundToDecimals(value, decimals) to the last bit. The result files round
// many thousands of numbers, so the usual places take their power of ten
// from a table rather than from pow.
double roundedTo(double value, int decimals);

// Appends roundedTo(value, decimals) in the general form of formatGeneral
// with a period, exactly as that would write it; a plain number of at most
// 15 digits takes a direct route.
void appendRounded(std::string& text, double value, int decimals);

// The same for a value already rounded to `decimals` places.
void appendRoundedValue(std::string& text, double rounded, int decimals);

}  // namespace dalvo
