// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/teaching/quiz_window.h"

#include <QLabel>
#include <QPushButton>

#include "ui/common/twips.h"
#include "ui/teaching/teaching_screen.h"

namespace dalvo::ui {

namespace {

const QColor kLightGreen{128, 255, 128};

}  // namespace

const ControlSheet& QuizWindow::sheet()
{
    static const ControlSheet sheet{
        .context = "dalvo::ui::QuizWindow",
        .windowName = QStringLiteral("Quiz"),
        .twips = {9856, 7546},
        .controls =
            {
                picture("picture", "Image1", QT_TRANSLATE_NOOP("dalvo::ui::QuizWindow", "Quiz questions"),
                        {480, 240, 5700, 4200}),
                usualButton("goBackButton", "Command1",
                             QT_TRANSLATE_NOOP("dalvo::ui::QuizWindow", "Back to the mainform"),
                             {3600, 6960, 3015, 495}),
            },
    };
    return sheet;
}

QuizWindow::QuizWindow(QWidget* parent) : SecondaryWindow(parent)
{
    setUpScreen(this, tr("Quiz"), sheet().twips.width(), sheet().twips.height(), kLightGreen);
    const ControlSet controls = buildControls(this, sheet());

    // Shown at its own size, never stretched, so the questions stay sharp.
    picture_ = controls.get<QLabel>(QStringLiteral("picture"));
    const PictureSize size =
        showPicture(picture_,
                    //: The picture of the questions in this language, one of the program's assets.
                    tr("quiz_picture.png"), kPictureSize, PictureFit::OwnSize);
    picture_->resize(size.width, size.height);

    goBackButton_ = leaveBy(controls.get<QPushButton>(QStringLiteral("goBackButton")), Pointer::Arrow, this,
                            &QuizWindow::goBackRequested);
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
