#include "ui/teaching/dedication_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/common/controls.h"
#include "ui/common/twips.h"
#include "ui/teaching/teaching_screen.h"

namespace dalvo::ui {

DedicationWindow::DedicationWindow(QWidget* parent) : SecondaryWindow(parent)
{
    setUpScreen(this, tr("Dedication"), 6960, 7956, Qt::white);

    frame_ = new QGroupBox(this);
    frame_->setGeometry(twipRect(360, 240, 6132, 6972));
    setBackground(frame_, QApplication::palette().color(QPalette::Window));

    // The picture keeps its own size unless that is larger than its place in
    // the frame at this screen's scale; then it is shrunk to fit, not cut off.
    picture_ = addPicture(frame_, tr("Picture of a landscape"), 0, 120, 6048, 6708);
    const PictureSize size =
        showPicture(picture_, QStringLiteral("landscape.png"), kPictureSize, PictureFit::ShrinkToLabel);
    picture_->resize(size.width, size.height);
    const PicturePlace place =
        centredIn({frame_->width(), frame_->height()}, {picture_->width(), picture_->height()});
    picture_->move(place.left, place.top);

    farewellButton_ = addLeavingButton(this, tr("God rest his soul"), 1320, 7320, 4575, 495, Pointer::Arrow,
                                       &DedicationWindow::programEndRequested);
    farewellButton_->setFont(timesFont(14.4, true));

    giveObjectNames({
        {this, "Vater"},
        {frame_, "Frame1"},
        {picture_, "Picture2"},
        {farewellButton_, "Command1"},
    });
    finishScreen(this, farewellButton_);
}

}  // namespace dalvo::ui
