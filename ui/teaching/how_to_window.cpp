#include "ui/teaching/how_to_window.h"

#include <QLabel>

#include "ui/common/controls.h"
#include "ui/teaching/teaching_screen.h"

namespace dalvo::ui {

namespace {

struct LinePlace {
    int index;
    int left;
    int top;
    int width;
    int height;
};

// From the top of the window down: the two-line "Print" entry comes before
// "Quit", so the last line of the page is the way out.
constexpr LinePlace kLinePlaces[] = {
    {0, 240, 1080, 6255, 375}, {1, 240, 1440, 6255, 375}, {2, 240, 1800, 6255, 375},
    {3, 120, 2160, 6492, 372}, {4, 240, 2520, 6255, 375}, {5, 240, 2880, 6255, 375},
    {7, 600, 3240, 5535, 615}, {6, 240, 3960, 6255, 375},
};

}  // namespace

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
    setUpScreen(this, tr("How to"), 6699, 5951, colours::lightGrey);

    const QStringList texts = lines();
    for (const LinePlace& place : kLinePlaces) {
        QLabel* line = addTextLabel(this, texts[place.index], place.left, place.top, place.width,
                                    place.height, Qt::AlignHCenter | Qt::AlignTop);
        setTextColour(line, Qt::black);
        lines_[place.index] = line;
    }

    okButton_ = addLeavingButton(this, tr("OK"), 2880, 4920, 1215, 495, Pointer::PointingHand,
                                 &HowToWindow::goBackRequested);

    giveObjectNames({
        {this, "dalvo5"},
        {lines_[0], "Label1(0)"},
        {lines_[1], "Label1(1)"},
        {lines_[2], "Label1(2)"},
        {lines_[3], "Label1(3)"},
        {lines_[4], "Label1(4)"},
        {lines_[5], "Label1(5)"},
        {lines_[6], "Label1(6)"},
        {lines_[7], "Label1(7)"},
        {okButton_, "Command1"},
    });
    finishScreen(this, okButton_);
}

}  // namespace dalvo::ui
