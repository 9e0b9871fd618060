#include "ui/teaching/dedication_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/common/assets.h"
#include "ui/common/controls.h"
#include "ui/common/twips.h"
#include "ui/teaching/teaching_controls.h"

namespace dalvo::ui {

DedicationWindow::DedicationWindow(QWidget* parent) : SecondaryWindow(parent)
{
    setObjectName(QStringLiteral("Vater"));
    setWindowTitle(QStringLiteral("Dedication"));
    makeFixedSizeWindow(this, 6960, 7956);
    setBackground(this, Qt::white);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipRect(360, 240, 6132, 6972));
    setBackground(Frame1, QApplication::palette().color(QPalette::Window));

    // The picture keeps its own size unless that is larger than its place in
    // the frame at this screen's scale; then it is shrunk to fit, not cut off.
    const QPixmap picture = assetPixmap(QStringLiteral("landscape.png"));
    const QSize room = twipSize(6048, 6708);
    const PictureSize size = fitWithin(naturalSize(picture, kPictureSize), {room.width(), room.height()});
    Picture2 = new QLabel(Frame1);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAccessibleName(QStringLiteral("Picture of a landscape"));
    Picture2->setGeometry(twipRect(0, 120, 6048, 6708));
    Picture2->resize(size.width, size.height);
    showPicture(Picture2, picture, size);
    const PicturePlace place =
        centredIn({Frame1->width(), Frame1->height()}, {Picture2->width(), Picture2->height()});
    Picture2->move(place.left, place.top);

    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("God rest his soul"), {}, 1320,
                          7320, 4575, 495);
    Command1->setFont(timesFont(14.4, true));
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &DedicationWindow::programEndRequested);

    centreOnScreen(this);
}

}  // namespace dalvo::ui
