// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/teaching/dedication_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/common/controls.h"
#include "ui/common/twips.h"
#include "ui/teaching/teaching_screen.h"

namespace dalvo::ui {

const ControlSheet& DedicationWindow::sheet()
{
    static const ControlSheet sheet{
        .context = "dalvo::ui::DedicationWindow",
        .windowName = QStringLiteral("Vater"),
        .twips = {6960, 7956},
        .controls = {
            {.role = "frame",
             .objectName = "Frame1",
             .kind = ControlKind::Frame,
             .twips = {360, 240, 6132, 6972}},
            [] {
                ControlEntry landscape =
                    picture("picture", "Picture2",
                            QT_TRANSLATE_NOOP("dalvo::ui::DedicationWindow", "Picture of a landscape"),
                            {0, 120, 6048, 6708});
                landscape.parentRole = QStringLiteral("frame");
                return landscape;
            }(),
            [] {
                ControlEntry farewell =
                    usualButton("farewellButton", "Command1",
                                 QT_TRANSLATE_NOOP("dalvo::ui::DedicationWindow", "God rest his soul"),
                                 {1320, 7320, 4575, 495});
                farewell.font.pointSize = 14.4;
                return farewell;
            }(),
        },
    };
    return sheet;
}

DedicationWindow::DedicationWindow(QWidget* parent) : SecondaryWindow(parent)
{
    setUpScreen(this, tr("Dedication"), sheet().twips.width(), sheet().twips.height(), Qt::white);
    const ControlSet controls = buildControls(this, sheet());

    frame_ = controls.get<QGroupBox>(QStringLiteral("frame"));
    setBackground(frame_, QApplication::palette().color(QPalette::Window));

    // The picture keeps its own size unless that is larger than its place in
    // the frame at this screen's scale; then it is shrunk to fit, not cut off.
    picture_ = controls.get<QLabel>(QStringLiteral("picture"));
    const PictureSize size =
        showPicture(picture_, QStringLiteral("landscape.png"), kPictureSize, PictureFit::ShrinkToLabel);
    picture_->resize(size.width, size.height);
    const PicturePlace place =
        centredIn({frame_->width(), frame_->height()}, {picture_->width(), picture_->height()});
    picture_->move(place.left, place.top);

    farewellButton_ = leaveBy(controls.get<QPushButton>(QStringLiteral("farewellButton")), Pointer::Arrow,
                              this, &DedicationWindow::programEndRequested);
    finishScreen(this, farewellButton_);
}

}  // namespace dalvo::ui
