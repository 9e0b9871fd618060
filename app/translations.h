// Puts the program's texts, and Qt's own, into the student's language.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QList>

class QCoreApplication;
class QLocale;
class QTranslator;

namespace dalvo::app {

// Installs the program's translation into the first of `locale`'s languages
// that has one, and Qt's own texts in that same language, each translator a
// child of `application`. English, the language of the source texts, needs
// none. Returns what was installed, so that it can be taken out again.
QList<QTranslator*> installTranslations(const QLocale& locale, QCoreApplication& application);

}  // namespace dalvo::app
