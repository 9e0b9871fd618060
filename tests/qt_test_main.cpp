// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// Runs the window tests inside one QApplication, as the program runs its windows.
#include <gtest/gtest.h>
#include <QApplication>

#include "ui/common/settings_of_this_run.h"

int main(int argc, char* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests at build time needs no display.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // The file dialog tests leave nothing in the user's settings either.
    const dalvo::ui::SettingsOfThisRun settings;
    return RUN_ALL_TESTS();
}
