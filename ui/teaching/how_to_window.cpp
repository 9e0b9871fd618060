// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/teaching/how_to_window.h"

#include <QLabel>

#include "ui/common/controls.h"
#include "ui/teaching/teaching_screen.h"

namespace dalvo::ui {

namespace {

// From the top of the window down: the two-line "Print" entry comes before
// "Quit", so the last line of the page is the way out.
ControlEntry line(int index, QRect twips)
{
    const QByteArray role = "line" + QByteArray::number(index);
    ControlEntry declared = textLabel(role.constData(), "", twips);
    declared.objectName = QStringLiteral("Label1(%1)").arg(index);
    return declared;
}

}  // namespace

const ControlSheet& HowToWindow::sheet()
{
    static const ControlSheet sheet{
        .context = "dalvo::ui::HowToWindow",
        .windowName = QStringLiteral("dalvo5"),
        .twips = {6699, 5951},
        .controls =
            {
                line(0, {240, 1080, 6255, 375}),
                line(1, {240, 1440, 6255, 375}),
                line(2, {240, 1800, 6255, 375}),
                line(3, {120, 2160, 6492, 372}),
                line(4, {240, 2520, 6255, 375}),
                line(5, {240, 2880, 6255, 375}),
                line(7, {600, 3240, 5535, 615}),
                line(6, {240, 3960, 6255, 375}),
                usualButton("okButton", "Command1", QT_TRANSLATE_NOOP("dalvo::ui::HowToWindow", "OK"),
                             {2880, 4920, 1215, 495}),
            },
    };
    return sheet;
}

QStringList HowToWindow::lines()
{
    static constexpr const char* kLines[] = {
        QT_TR_NOOP("Press Project to calculate the population structure at  t+1."),
        QT_TR_NOOP("Press Transit to move the population structure to the left side."),
        QT_TR_NOOP("Press How To to see this page."),
        QT_TR_NOOP("Press Change Default Values to make change of the default values."),
        QT_TR_NOOP("Press Graph to see the graphs."),
        QT_TR_NOOP("Press Intro to see the theoretical introduction."),
        QT_TR_NOOP("Press Quit to quit the program."),
        QT_TR_NOOP("Press Print to print the page (your printer must be connected to LPT1)."),
    };
    QStringList lines;
    for (const char* line : kLines)
        lines << tr(line);
    return lines;
}

HowToWindow::HowToWindow(QWidget* parent) : SecondaryWindow(parent)
{
    setUpScreen(this, tr("How to"), sheet().twips.width(), sheet().twips.height(), colours::lightGrey);
    const ControlSet controls = buildControls(this, sheet());

    const QStringList texts = lines();
    for (int i = 0; i < texts.size(); ++i) {
        QLabel* line = setUpTextLabel(controls.get<QLabel>(QStringLiteral("line%1").arg(i)), texts[i],
                                      Qt::AlignHCenter | Qt::AlignTop);
        setTextColour(line, Qt::black);
        lines_[i] = line;
    }

    okButton_ = leaveBy(controls.get<QPushButton>(QStringLiteral("okButton")), Pointer::PointingHand, this,
                        &HowToWindow::goBackRequested);
    finishScreen(this, okButton_);
}

}  // namespace dalvo::ui
