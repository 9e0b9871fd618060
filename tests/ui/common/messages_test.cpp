// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/messages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <functional>

#include "app/translations.h"
#include "files/population_file.h"
#include "files/text_file.h"
#include "model/life_table.h"

namespace dalvo::ui {
namespace {

template <class T>
Error failureOf(const Result<T>& result)
{
    EXPECT_FALSE(result.ok());
    return result ? Error{} : result.error();
}

// A failure that explains another reads in English as the core wrote it and
// in German in German at every level, not only the outermost.
TEST(ShownErrorTest, AFailureAndTheFailuresItExplainsAreTranslatedWhole)
{
    struct Case {
        const char* name;
        std::function<Error()> failure;
        const char* german;
    };
    const Case cases[] = {
        {"life table fault in a file",
         [] { return failureOf(readPopulationText("x,lx,mx\n0,1,0\n1,0.5,2\n2,0.8,1\n")); },
         "Diese Lebenstafel lässt sich nicht öffnen. Zeile 4, Alter x = 2: l(2) = 0.8 ist größer als l(1) = "
         "0.5;"},
        {"neither kind of file", [] { return failureOf(readPopulationText("a,b\n")); },
         "Datendatei (Zeile 1 (höchster Altersindex n): \"b\" ist keine Zahl (Zahlen haben einen Punkt als "
         "Dezimaltrennzeichen)) noch eine Lebenstafel (Zeile 1: Die Kopfzeile nennt keine Spalte"},
        {"life table entered",
         [] {
             return failureOf(checkLifeTable({{1, 0.5, 0.8}, {0, 1, 1}}));
         },
         "Alter x = 2: l(2) = 0.8 ist größer als l(1) = 0.5;"},
        {"missing file", [] { return failureOf(readTextFile("/nonexistent-folder/missing.txt")); },
         "konnte nicht geöffnet werden: Diese Datei gibt es nicht."},
    };
    for (const Case& c : cases) {
        const Error failure = c.failure();
        EXPECT_EQ(shownError(failure), toQString(failure.message)) << c.name;
        const QList<QTranslator*> german =
            app::installTranslations(QLocale(QLocale::German, QLocale::Germany), *qApp);
        EXPECT_TRUE(shownError(failure).contains(QString::fromUtf8(c.german)))
            << c.name << ": " << shownError(failure).toStdString();
        qDeleteAll(german);
    }
}

}  // namespace
}  // namespace dalvo::ui
