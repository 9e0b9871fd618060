// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// Dalvo-Leslie Matrix: a teaching program for Leslie-matrix population projection.
#include <QApplication>
#include <QLocale>

#include "app/program_windows.h"
#include "app/translations.h"
#include "ui/common/assets.h"
#include "ui/common/settings_of_this_run.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dalvo-Leslie Matrix"));
    QApplication::setWindowIcon(dalvo::ui::applicationIcon());
    // The system's languages in order of preference: LANGUAGE, then LANG.
    dalvo::app::installTranslations(QLocale::system(), application);
    // Windows are hidden and shown as the student moves between them; the
    // program ends only through its own ways out.
    QApplication::setQuitOnLastWindowClosed(false);
    const dalvo::ui::SettingsOfThisRun settings;

    dalvo::app::ProgramWindows windows;
    // exit() rather than quit(): quit() would first ask every window to
    // close, and ending the program runs no window's close handler.
    QObject::connect(&windows, &dalvo::app::ProgramWindows::programEnded, &application,
                     [] { QCoreApplication::exit(0); });
    windows.start();
    return QApplication::exec();
}
