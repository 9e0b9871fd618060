// Keeps Qt's own settings (the file dialog's folder and layout) in a folder removed at the end of the run.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QTemporaryDir>

namespace dalvo::ui {

// The program keeps nothing between runs, but Qt's file dialog writes its
// state to the user's settings. While an object of this type lives, Qt's
// settings of the user go to a folder of its own, removed with it. Create
// it before any window, and keep it until the last one is gone.
class SettingsOfThisRun {
public:
    SettingsOfThisRun();
    SettingsOfThisRun(const SettingsOfThisRun&) = delete;
    SettingsOfThisRun& operator=(const SettingsOfThisRun&) = delete;

    // Empty when no folder could be made; Qt's usual place is used then.
    QString folder() const;

private:
    QTemporaryDir folder_;
};

}  // namespace dalvo::ui
