#include "ui/teaching/references_window.h"

#include <QMouseEvent>
#include <QPushButton>

#include "ui/common/assets.h"
#include "ui/common/clickable_label.h"
#include "ui/common/controls.h"
#include "ui/teaching/reference_list.h"
#include "ui/teaching/teaching_controls.h"

namespace dalvo::ui {

ReferencesWindow::ReferencesWindow(QWidget* parent) : SecondaryWindow(parent)
{
    setObjectName(QStringLiteral("Referenc"));
    setWindowTitle(QStringLiteral("References"));
    makeFixedSizeWindow(this, 8679, 6193);
    setBackground(this, Qt::white);
    setFont(timesFont(12, true));

    // Both labels take their own clicks without reacting, so that only the
    // bare background leads back to the main window.
    Label1[0] = new ClickableLabel(this);
    setUpTextLabel(Label1[0], QStringLiteral("Label1(0)"), "References", 240, 120, 6735, 255, 12,
                   Qt::AlignLeft | Qt::AlignTop);
    Label1[0]->setFont(font());
    setBackground(Label1[0], Qt::white);

    Label2 = new ClickableLabel(this);
    setUpTextLabel(Label2, QStringLiteral("Label2"), referenceList(), 240, 600, 8295, 4815, 12,
                   Qt::AlignLeft | Qt::AlignTop);
    setBackground(Label2, Qt::white);

    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("OK"), {}, 3960, 5520, 855, 495);
    Command1->setCursor(pointingHandCursor());
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &ReferencesWindow::goBackRequested);

    centreOnScreen(this);
}

void ReferencesWindow::mousePressEvent(QMouseEvent* event)
{
    pressedOnBackground_ = event->button() == Qt::LeftButton;
    event->accept();
}

// As with a button, the click counts when the press and the release both
// land on the background.
void ReferencesWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressedOnBackground_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressedOnBackground_ = false;
    event->accept();
    if (click)
        emit backgroundClicked();
}

}  // namespace dalvo::ui
