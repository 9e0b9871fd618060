// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace dalvo::app {

QList<QTranslator*> installTranslations(const QLocale& locale, QCoreApplication& application)
{
    QList<QTranslator*> installed;
    auto* own = new QTranslator(&application);
    if (!own->load(locale, QStringLiteral("dalvo-leslie"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete own;
        return installed;
    }
    QCoreApplication::installTranslator(own);
    installed << own;
    // Qt's dialogs and buttons speak the language the program found, not the
    // first one asked for: a student asking for a language the program lacks
    // would otherwise meet two languages in one dialog.
    auto* qt = new QTranslator(&application);
    if (qt->load(QLocale(own->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        installed << qt;
    } else {
        delete qt;
    }
    return installed;
}

}  // namespace dalvo::app
