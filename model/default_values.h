// The default-values editor's texts and the checks and clean-up that "Go Back" applies before a new run.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/leslie_matrix.h"
#include "model/number_text.h"
#include "model/result.h"

namespace dalvo {

// The survival rates, in the order "Go Back" checks them.
inline constexpr std::array<int, 3> kSurvivalCells{4, 9, 14};

// The student changes the fecundities (row 0) and the survival rates; the
// other nine cells of the editor's matrix stay as designed.
bool isEditableCell(int index);

// The texts of the editor: m1 (element 4r + c in row r, column c) and N(0).
struct EditorTexts {
    std::array<std::string, 16> m1;
    std::array<std::string, 4> n0;

    bool operator==(const EditorTexts&) const = default;
};

// What the editor shows when it is built: the main window's design-time
// matrix and N(0), written with the regional separator.
EditorTexts designTexts(const NumberLocale& locale);

// The first survival-rate cell whose value is above 1, read leniently; none
// when all three pass. Exactly 1, negative values and unreadable texts pass.
std::optional<int> firstRefusedSurvivalRate(const std::array<std::string, 16>& m1,
                                            const NumberLocale& locale);

// A cell's text as "Go Back" writes it back: its lenient value in the
// number-to-text form (" 2.50" becomes "2.5", "abc" becomes "0").
std::string normalisedText(std::string_view text, const NumberLocale& locale);

// Every text of the editor normalised. Fails, naming the cell, when a value
// or the total of N(0) is beyond what the program can hold, since the new
// run could not start from it.
Result<EditorTexts> normalise(const EditorTexts& texts, const NumberLocale& locale);

// What the main window starts a new run from: the editor's matrix (its
// fecundities and three survival rates) and N(0), as numbers.
struct NewRun {
    LeslieMatrix matrix;
    std::vector<double> initial;
};

// Reads the editor's texts; fails, naming the cell, on a text that is not a number.
Result<NewRun> newRunFrom(const EditorTexts& texts, const NumberLocale& locale);

}  // namespace dalvo
