// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/teaching/references_window.h"

#include <QMouseEvent>
#include <QPushButton>

#include "ui/common/clickable_label.h"
#include "ui/common/controls.h"
#include "ui/teaching/teaching_screen.h"

namespace dalvo::ui {

QList<QStringList> ReferencesWindow::referenceFragments()
{
    // Two on insect populations and their life tables, three on the matrix
    // method and population growth, and the linear algebra behind it.
    static const QList<QList<const char*>> kReferences = {
        {QT_TR_NOOP("Birch, L. C. 1948. The intrinsic rate of natural increase of an insect population. "),
         QT_TR_NOOP("Journal of Animal Ecology 17: 15-26.")},
        {QT_TR_NOOP("Southwood, T. R. E. 1978. "),
         QT_TR_NOOP("Ecological Methods, with Particular Reference to the Study of Insect Populations. "),
         QT_TR_NOOP("2nd edition. Chapman and Hall, London.")},
        {QT_TR_NOOP("Leslie, P. H. 1945. On the use of matrices in certain population mathematics. "),
         QT_TR_NOOP("Biometrika 33: 183-212.")},
        {QT_TR_NOOP(
             "Leslie, P. H. 1948. Some further notes on the use of matrices in population mathematics. "),
         QT_TR_NOOP("Biometrika 35: 213-245.")},
        {QT_TR_NOOP(
             "Caswell, H. 2001. Matrix Population Models: Construction, Analysis, and Interpretation. "),
         QT_TR_NOOP("2nd edition. Sinauer Associates, Sunderland, Massachusetts.")},
        {QT_TR_NOOP("Strang, G. 1988. Linear Algebra and Its Applications. "),
         QT_TR_NOOP("3rd edition. Harcourt Brace Jovanovich, San Diego.")},
    };
    QList<QStringList> references;
    for (const QList<const char*>& reference : kReferences) {
        QStringList fragments;
        for (const char* fragment : reference)
            fragments << tr(fragment);
        references << fragments;
    }
    return references;
}

QString ReferencesWindow::referenceList()
{
    QStringList references;
    for (const QStringList& fragments : referenceFragments())
        references << fragments.join(QString());
    return references.join(QStringLiteral("\n\n"));
}

const ControlSheet& ReferencesWindow::sheet()
{
    // Both labels take their own clicks without reacting, so that only the
    // bare background leads back to the main window.
    static const ControlSheet sheet{
        .context = "dalvo::ui::ReferencesWindow",
        .windowName = QStringLiteral("Referenc"),
        .twips = {8679, 6193},
        .controls =
            {
                {.role = "heading",
                 .objectName = "Label1(0)",
                 .kind = ControlKind::ClickableLabel,
                 .twips = {240, 120, 6735, 255},
                 .font = {12, true}},
                // One border line taller than it was, so that the descenders of
                // the last line are no longer cut off.
                {.role = "list",
                 .objectName = "Label2",
                 .kind = ControlKind::ClickableLabel,
                 .twips = {240, 600, 8295, 4830},
                 .font = {12}},
                usualButton("okButton", "Command1", QT_TRANSLATE_NOOP("dalvo::ui::ReferencesWindow", "OK"),
                             {3960, 5520, 855, 495}),
            },
    };
    return sheet;
}

ReferencesWindow::ReferencesWindow(QWidget* parent) : SecondaryWindow(parent)
{
    setUpScreen(this, tr("References"), sheet().twips.width(), sheet().twips.height(), Qt::white);
    setFont(timesFont(12, true));
    const ControlSet controls = buildControls(this, sheet());

    heading_ = controls.get<ClickableLabel>(QStringLiteral("heading"));
    setUpTextLabel(heading_, tr("References"), Qt::AlignLeft | Qt::AlignTop);
    setBackground(heading_, Qt::white);

    list_ = controls.get<ClickableLabel>(QStringLiteral("list"));
    setUpTextLabel(list_, referenceList(), Qt::AlignLeft | Qt::AlignTop);
    setBackground(list_, Qt::white);

    okButton_ = leaveBy(controls.get<QPushButton>(QStringLiteral("okButton")), Pointer::PointingHand, this,
                        &ReferencesWindow::goBackRequested);
    finishScreen(this, okButton_);
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
