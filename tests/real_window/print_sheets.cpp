// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// Prints the control sheets of the windows the journey drives, so that it clicks where the program places.
//
// One line per window, "window NAME WIDTH HEIGHT", then one per control,
// "control WINDOW NAME X Y WIDTH HEIGHT", all in twips on the window.
#include <QGuiApplication>
#include <QTextStream>

#include "ui/charts/chart_window.h"
#include "ui/common/control_sheet.h"
#include "ui/main/main_window.h"

namespace {

void print(QTextStream& out, const dalvo::ui::ControlSheet& sheet)
{
    out << "window " << sheet.windowName << ' ' << sheet.twips.width() << ' ' << sheet.twips.height() << '\n';
    for (const dalvo::ui::ControlEntry& declared : sheet.controls) {
        QRect place = declared.twips;
        for (QString parent = declared.parentRole; !parent.isEmpty(); parent = sheet[parent].parentRole)
            place.translate(sheet[parent].twips.topLeft());
        out << "control " << sheet.windowName << ' ' << declared.objectName << ' ' << place.x() << ' '
            << place.y() << ' ' << place.width() << ' ' << place.height() << '\n';
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream out(stdout);
    print(out, dalvo::ui::MainWindow::sheet());
    print(out, dalvo::ui::ChartWindow::sheet());
    return 0;
}
