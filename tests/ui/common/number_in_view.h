// Checks, from the field's font and scroll position, that a student reads a number's magnitude right.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <gtest/gtest.h>

#include <QString>

class QLineEdit;

namespace dalvo::ui {

// Passes when the field shows the number's sign and whole part, and in
// exponent form everything up to the end of the exponent, within the
// rectangle the field draws text in; and when the whole text is not in view,
// the tooltip holds it.
testing::AssertionResult magnitudeInView(QLineEdit* field, const QString& decimalSeparator);

}  // namespace dalvo::ui
