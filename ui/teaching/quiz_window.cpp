#include "ui/teaching/quiz_window.h"

#include <QLabel>
#include <QPushButton>

#include "ui/common/twips.h"
#include "ui/teaching/teaching_screen.h"

namespace dalvo::ui {

namespace {

const QColor kLightGreen{128, 255, 128};

}  // namespace

QuizWindow::QuizWindow(QWidget* parent) : SecondaryWindow(parent)
{
    setUpScreen(this, tr("Quiz"), 9856, 7546, kLightGreen);

    // Shown at its own size, never stretched, so the questions stay sharp.
    picture_ = addPicture(this, tr("Quiz questions"), 480, 240, 5700, 4200);
    const PictureSize size =
        showPicture(picture_, QStringLiteral("quiz_picture.png"), kPictureSize, PictureFit::OwnSize);
    picture_->resize(size.width, size.height);

    goBackButton_ = addLeavingButton(this, tr("Back to the mainform"), 3600, 6960, 3015, 495, Pointer::Arrow,
                                     &QuizWindow::goBackRequested);

    giveObjectNames({
        {this, "Quiz"},
        {picture_, "Image1"},
        {goBackButton_, "Command1"},
    });
    finishScreen(this, goBackButton_);
    placePicture();
}

void QuizWindow::placePicture()
{
    const QSize outer = frameGeometry().size();
    const PicturePlace place =
        aboveMiddle({outer.width(), outer.height()}, {picture_->width(), picture_->height()}, twips(400));
    picture_->move(place.left, place.top);
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
