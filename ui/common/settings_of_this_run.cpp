// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/settings_of_this_run.h"

#include <QSettings>

namespace dalvo::ui {

SettingsOfThisRun::SettingsOfThisRun()
{
    if (!folder_.isValid())
        return;
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder_.path());
}

QString SettingsOfThisRun::folder() const
{
    return folder_.isValid() ? folder_.path() : QString();
}

}  // namespace dalvo::ui
