// Writes numbers into single-line fields so that their sign, whole part and exponent stay in view.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QString>

class QLineEdit;

namespace dalvo::ui {

// The smallest point size a number as a whole is shrunk to; below it the
// field shows the number's start and offers the whole text in its tooltip.
inline constexpr double kSmallestNumberPointSize = 6.0;
// Smaller still, but only so far as the sign, the whole part and the exponent
// need: small print is better than a number read at the wrong magnitude.
inline constexpr double kSmallestMagnitudePointSize = 4.0;

// Writes `text` into `field` when it differs, puts the view at its first
// character, and fits the font to the text (see fitNumberFont).
void showNumber(QLineEdit* field, const QString& text);

// Brings the field's font back to its designed size, or as far below it as
// the text needs to fit. A text that does not fit whole even at the smallest
// size has its whole form in the tooltip.
void fitNumberFont(QLineEdit* field);

}  // namespace dalvo::ui
