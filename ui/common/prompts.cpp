// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/prompts.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/common/messages.h"

namespace dalvo::ui {

namespace {

QString programTitle()
{
    return QObject::tr("Dalvo-Leslie Matrix");
}

// Enter on a typed path closes the dialog but not the completion list that
// the typing opened: left on the screen, that popup would take the
// student's next click for itself.
void closeCompletionLists(QFileDialog& dialog)
{
    for (QCompleter* completer : dialog.findChildren<QCompleter*>())
        if (QAbstractItemView* list = completer->popup(); list->isVisible())
            list->hide();
}

}  // namespace

// No title, no filter, no default extension: the platform's own dialog as
// it comes, which also asks before an existing file is replaced.
QString DialogPrompts::runFileDialog(QWidget* window, const QString& suggestedName, bool saving)
{
    QFileDialog dialog(window);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName);
    const int answer = dialog.exec();
    closeCompletionLists(dialog);
    if (answer != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return {};
    return chosen.first();
}

QString DialogPrompts::chooseFileToSave(QWidget* window, const QString& suggestedName)
{
    return runFileDialog(window, suggestedName, true);
}

QString DialogPrompts::chooseFileToOpen(QWidget* window, const QString& suggestedName)
{
    return runFileDialog(window, suggestedName, false);
}

bool DialogPrompts::confirm(QWidget* window, const QString& question)
{
    return QMessageBox::question(window, programTitle(), question) == QMessageBox::Yes;
}

// Every failure the program reports looks the same: the non-blocking warning
// that the windows also use for a step that cannot be made.
void DialogPrompts::report(QWidget* window, const QString& message)
{
    showProblem(window, message);
}

}  // namespace dalvo::ui
