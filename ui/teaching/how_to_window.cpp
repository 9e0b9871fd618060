#include "ui/teaching/how_to_window.h"

#include <QLabel>
#include <QPushButton>

#include "ui/common/assets.h"
#include "ui/common/controls.h"
#include "ui/teaching/how_to_lines.h"
#include "ui/teaching/teaching_controls.h"

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

HowToWindow::HowToWindow(QWidget* parent) : SecondaryWindow(parent)
{
    setObjectName(QStringLiteral("dalvo5"));
    setWindowTitle(QStringLiteral("How to"));
    makeFixedSizeWindow(this, 6699, 5951);
    setBackground(this, colours::lightGrey);

    for (const LinePlace& place : kLinePlaces) {
        QLabel* line = makeTextLabel(this, QStringLiteral("Label1(%1)").arg(place.index),
                                     howToLines()[place.index], place.left, place.top, place.width,
                                     place.height, 12, Qt::AlignHCenter | Qt::AlignTop);
        setTextColour(line, Qt::black);
        Label1[place.index] = line;
    }

    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("OK"), {}, 2880, 4920, 1215, 495);
    Command1->setCursor(pointingHandCursor());
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &HowToWindow::goBackRequested);

    centreOnScreen(this);
}

}  // namespace dalvo::ui
