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
    std::string digits = formatGeneral(year, NumberLocale{});
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

AboutWindow::AboutWindow(QWidget* parent) : SecondaryWindow(parent)
{
    setUpScreen(this, tr("Copyright"), 9528, 6828, colours::lightGrey);

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    usageLabel_ = addTextLabel(this, usageNotice(), 360, 480, 9012, 1092, centred);
    setTextColour(usageLabel_, colours::blue);

    protectionLabel_ = addTextLabel(this, protectionNotice(), 360, 1680, 8892, 732, centred);
    protectionLabel_->setFont(timesFont(12, true));
    setTextColour(protectionLabel_, colours::yellow);
    setBackground(protectionLabel_, colours::red);
    giveSingleBorder(protectionLabel_);

    rightsLabel_ = addTextLabel(this, rightsLine(), 7200, 2520, 2292, 372, centred);
    setTextColour(rightsLabel_, colours::blue);

    citationLabel_ = addTextLabel(this, citation(QDate::currentDate().year()), 360, 2640, 6612, 1932,
                                  Qt::AlignLeft | Qt::AlignTop);
    setTextColour(citationLabel_, colours::yellow);
    setBackground(citationLabel_, colours::blue);
    giveSunkenBorder(citationLabel_);

    makerLabel_ = addTextLabel(this, makerNotice(), 7200, 3000, 2292, 612, centred);
    setTextColour(makerLabel_, colours::blue);

    // A picture larger than its box at this screen's scale is shrunk to fit
    // rather than cut off.
    picture_ = addPicture(this, tr("Picture of an insect"), 7560, 3720, 1656, 2172);
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackground(picture_, colours::lightGrey);
    showPicture(picture_, QStringLiteral("insect.png"), kPictureSize, PictureFit::ShrinkToLabel);

    newVersionLabel_ = addTextLabel(this, newVersionNotice(), 360, 4680, 6612, 1932, centred);
    setTextColour(newVersionLabel_, Qt::black);
    setBackground(newVersionLabel_, kCyan);
    giveSunkenBorder(newVersionLabel_);

    okButton_ = addLeavingButton(this, tr("OK"), 7800, 6120, 1215, 495, Pointer::PointingHand,
                                 &AboutWindow::dedicationRequested);

    giveObjectNames({
        {this, "copyrigh"},
        {usageLabel_, "Label2"},
        {protectionLabel_, "Label3"},
        {rightsLabel_, "Label4"},
        {citationLabel_, "Label7"},
        {makerLabel_, "Label5"},
        {picture_, "Picture1"},
        {newVersionLabel_, "Label6"},
        {okButton_, "Command1"},
    });
    finishScreen(this, okButton_);
}

}  // namespace dalvo::ui
