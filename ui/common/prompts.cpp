#include "ui/common/prompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace dalvo::ui {

namespace {

QString programTitle()
{
    return QObject::tr("Dalvo-Leslie Matrix");
}

QString runFileDialog(QWidget* window, const QString& suggestedName, bool saving)
{
    QFileDialog dialog(window);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

}  // namespace

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

void DialogPrompts::report(QWidget* window, const QString& message)
{
    QMessageBox::warning(window, programTitle(), message);
}

}  // namespace dalvo::ui
