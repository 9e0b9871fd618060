// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/teaching/about_window.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "model/number_text.h"
#include "ui/common/controls.h"
#include "ui/teaching/teaching_screen.h"

namespace dalvo::ui {

namespace {

const QColor kCyan{0, 255, 255};

const QString kHomePage = QStringLiteral("https://www.example.org/dalvo-leslie/");

QString fourDigitYear(int year)
{
    std::string digits = formatGeneral(year, kPeriodNumbers);
    if (year >= 0 && digits.size() < 4)
        digits.insert(0, 4 - digits.size(), '0');
    return QString::fromStdString(digits);
}

void giveSunkenBorder(QLabel* label)
{
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
}

}  // namespace

QString AboutWindow::usageNotice()
{
    return tr(
        "This program is free for teaching and for non-commercial research. It may be copied for "
        "classes, but it may not be sold or changed without the maker's permission.");
}

QString AboutWindow::protectionNotice()
{
    return tr(
        "This program is protected by copyright law. Selling or distributing it without permission "
        "is forbidden.");
}

QString AboutWindow::rightsLine()
{
    return tr("All rights reserved.");
}

QString AboutWindow::makerNotice()
{
    return tr("Made at the Example Ecology Laboratory.");
}

QString AboutWindow::citation(int year)
{
    // The title keeps its own full stop and the citation adds one after it,
    // so the line reads "matrix.." on purpose.
    return tr("If you use this program in your research, please cite the following  reference in your "
              "paper:") +
           QStringLiteral("\n\n") +
           tr("Ecology Teaching Group, Example Ecology Laboratory. 1997-%1. ").arg(fourDigitYear(year)) +
           tr("Computer program of Dalvo-Leslie matrix.") + QStringLiteral(". \n ") + kHomePage;
}

QString AboutWindow::newVersionNotice()
{
    return tr("You can get new version of this program at following webs:") + QLatin1Char('\n') + kHomePage +
           QLatin1Char('\n') + tr("(Example Ecology Laboratory) or") + QLatin1Char('\n') +
           QStringLiteral("https://ecology.example.org/teaching/\n") +
           tr("(Example College, Department of Ecology).") + QLatin1Char('\n');
}

const ControlSheet& AboutWindow::sheet()
{
    static const ControlSheet sheet{
        .context = "dalvo::ui::AboutWindow",
        .windowName = QStringLiteral("copyrigh"),
        .twips = {9528, 6828},
        .controls =
            {
                textLabel("usageLabel", "Label2", {360, 480, 9012, 1092}),
                [] {
                    ControlEntry protection = textLabel("protectionLabel", "Label3", {360, 1680, 8892, 732});
                    protection.font.bold = true;
                    return protection;
                }(),
                textLabel("rightsLabel", "Label4", {7200, 2520, 2292, 372}),
                textLabel("citationLabel", "Label7", {360, 2640, 6612, 1932}),
                textLabel("makerLabel", "Label5", {7200, 3000, 2292, 612}),
                picture("picture", "Picture1",
                        QT_TRANSLATE_NOOP("dalvo::ui::AboutWindow", "Picture of an insect"),
                        {7560, 3720, 1656, 2172}),
                textLabel("newVersionLabel", "Label6", {360, 4680, 6612, 1932}),
                usualButton("okButton", "Command1", QT_TRANSLATE_NOOP("dalvo::ui::AboutWindow", "OK"),
                             {7800, 6120, 1215, 495}),
            },
    };
    return sheet;
}

AboutWindow::AboutWindow(QWidget* parent) : SecondaryWindow(parent)
{
    setUpScreen(this, tr("Copyright"), sheet().twips.width(), sheet().twips.height(), colours::lightGrey);
    const ControlSet controls = buildControls(this, sheet());

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    usageLabel_ = setUpTextLabel(controls.get<QLabel>(QStringLiteral("usageLabel")), usageNotice(), centred);
    setTextColour(usageLabel_, colours::blue);

    protectionLabel_ =
        setUpTextLabel(controls.get<QLabel>(QStringLiteral("protectionLabel")), protectionNotice(), centred);
    setTextColour(protectionLabel_, colours::yellow);
    setBackground(protectionLabel_, colours::red);
    giveSingleBorder(protectionLabel_);

    rightsLabel_ = setUpTextLabel(controls.get<QLabel>(QStringLiteral("rightsLabel")), rightsLine(), centred);
    setTextColour(rightsLabel_, colours::blue);

    citationLabel_ = setUpTextLabel(controls.get<QLabel>(QStringLiteral("citationLabel")),
                                    citation(QDate::currentDate().year()), Qt::AlignLeft | Qt::AlignTop);
    setTextColour(citationLabel_, colours::yellow);
    setBackground(citationLabel_, colours::blue);
    giveSunkenBorder(citationLabel_);

    makerLabel_ = setUpTextLabel(controls.get<QLabel>(QStringLiteral("makerLabel")), makerNotice(), centred);
    setTextColour(makerLabel_, colours::blue);

    // A picture larger than its box at this screen's scale is shrunk to fit
    // rather than cut off.
    picture_ = controls.get<QLabel>(QStringLiteral("picture"));
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackground(picture_, colours::lightGrey);
    showPicture(picture_, QStringLiteral("insect.png"), kPictureSize, PictureFit::ShrinkToLabel);

    newVersionLabel_ =
        setUpTextLabel(controls.get<QLabel>(QStringLiteral("newVersionLabel")), newVersionNotice(), centred);
    setTextColour(newVersionLabel_, Qt::black);
    setBackground(newVersionLabel_, kCyan);
    giveSunkenBorder(newVersionLabel_);

    okButton_ = leaveBy(controls.get<QPushButton>(QStringLiteral("okButton")), Pointer::PointingHand, this,
                        &AboutWindow::dedicationRequested);
    finishScreen(this, okButton_);
}

}  // namespace dalvo::ui
