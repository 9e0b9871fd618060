// Between the core and the windows: its texts as Qt strings, its number rules in the system's settings, its failures as warnings.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "model/number_text.h"
#include "model/result.h"

class QWidget;

namespace dalvo::ui {

// Core texts are UTF-8.
QString toQString(std::string_view text);

// File names reach the core in the system's file-name encoding, and the
// core's messages about files, which quote them, come back the same way.
std::string toFileName(const QString& fileName);
QString fromFileMessage(const std::string& message);

// A failure of the core as the student reads it: in the student's language
// where it has a translation, its file names decoded as above.
QString shownError(const Error& error);

// The number rules' regional settings, taken from the system's locale.
NumberLocale numberLocaleOfSystem();

// Every failure the student is told of: a window-modal warning named
// "problemMessage"; the window's timers keep running while it is up.
void showProblem(QWidget* window, const QString& message);

}  // namespace dalvo::ui
