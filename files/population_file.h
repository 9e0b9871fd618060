// Opens a population from a data file or a life table, told apart by content, and writes the window's four kinds of file.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string>
#include <string_view>

#include "model/own_population.h"
#include "model/result.h"

namespace dalvo {

// A life table as comma-, semicolon- or tab-separated text: a header row
// names the columns in any order and case: `x` or `age`; `lx` or `l(x)`, or
// `nx` or `n(x)` (numbers alive, divided by the first); `mx`, `m(x)`, `bx`
// or `b(x)`; other columns are ignored. With a semicolon or tab separator a
// decimal comma is read. A byte order mark is skipped. Failures name the line
// and column. The table is checked (checkLifeTable).
Result<LifeTable> readLifeTableText(std::string_view text);

// Either kind: a batch data file (then `steps` is its T when T >= 1) or a life
// table (pre-breeding census, N(0) = 10 in class 0). A text that is neither
// says why for both readings; one whose header row names a life table's
// columns says only why the table cannot be used.
Result<OwnPopulation> readPopulationText(std::string_view text);

// A data file in the batch format that readBatchData and the batch projection
// read back unchanged: title, the matrix (P(n) written as 0), N(0) and T =
// min(steps, kBatchLastStep). CR LF line ends, numbers in the general format with a period.
std::string populationDataFileText(const OwnPopulation& population);

// Header `x,lx,dx,qx,px,Lx,Tx,ex,mx,lxmx,xlxmx`, one row per age, numbers in
// the general format with a period, an undefined value an empty field; CR LF.
std::string lifeTableCsvText(const LifeTable& table);

// Which file a save dialog's name asks for: ".csv" a life table,
// "-Analysis.txt" the analysis, "-Chance.txt" the last run with chance,
// anything else a data file.
enum class PopulationFileKind { DataFile, LifeTableCsv, Analysis, Chance };
PopulationFileKind populationFileKind(std::string_view fileName);

}  // namespace dalvo
