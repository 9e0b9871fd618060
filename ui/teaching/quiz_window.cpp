#include "ui/teaching/quiz_window.h"

#include <QLabel>
#include <QPushButton>

#include "ui/common/assets.h"
#include "ui/common/controls.h"
#include "ui/common/twips.h"
#include "ui/teaching/teaching_controls.h"

namespace dalvo::ui {

namespace {

const QColor kLightGreen{128, 255, 128};

}  // namespace

QuizWindow::QuizWindow(QWidget* parent) : SecondaryWindow(parent)
{
    setObjectName(QStringLiteral("Quiz"));
    setWindowTitle(QStringLiteral("Quiz"));
    makeFixedSizeWindow(this, 9856, 7546);
    setBackground(this, kLightGreen);

    // Shown at its own size, never stretched, so the questions stay sharp.
    const QPixmap picture = assetPixmap(QStringLiteral("quiz_picture.png"));
    const PictureSize size = naturalSize(picture, kPictureSize);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Quiz questions"));
    Image1->setGeometry(twipRect(480, 240, 5700, 4200));
    Image1->resize(size.width, size.height);
    showPicture(Image1, picture, size);

    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Back to the mainform"), {}, 3600,
                          6960, 3015, 495);
    Command1->setFont(timesFont(12, true));
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &QuizWindow::goBackRequested);

    centreOnScreen(this);
    placePicture();
}

void QuizWindow::placePicture()
{
    const QSize outer = frameGeometry().size();
    const PicturePlace place =
        aboveMiddle({outer.width(), outer.height()}, {Image1->width(), Image1->height()}, twips(400));
    Image1->move(place.left, place.top);
}

void QuizWindow::showEvent(QShowEvent* event)
{
    SecondaryWindow::showEvent(event);
    placePicture();
}

void QuizWindow::moveEvent(QMoveEvent* event)
{
    SecondaryWindow::moveEvent(event);
    placePicture();
}

}  // namespace dalvo::ui
