#include "ui/main/file_commands.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>
#include <string>

#include "files/batch_command.h"
#include "files/data_export.h"
#include "files/file_reason.h"

namespace dalvo::ui {

namespace {

const QString kTitle = QStringLiteral("Dalvo-Leslie Matrix");

// File names reach the core in the system's file-name encoding, and the
// core's messages, which quote them, come back the same way.
std::string toPath(const QString& fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

QString fromCore(const std::string& message)
{
    return QFile::decodeName(QByteArray::fromStdString(message));
}

// Enter on a typed path closes the dialog but not the completion list that
// the typing opened: left on the screen, that popup would take the
// student's next click for itself.
void closeCompletionLists(QFileDialog* dialog)
{
    for (QCompleter* completer : dialog->findChildren<QCompleter*>())
        if (QAbstractItemView* list = completer->popup(); list->isVisible())
            list->hide();
}

void showWithDialog(QWidget* window, const QString& message)
{
    QMessageBox::warning(window, kTitle, message);
}

}  // namespace

FileCommands::FileCommands(const History& history, QWidget* mainWindow)
    : QObject(mainWindow), history_(history), window_(mainWindow), report(showWithDialog)
{
    setObjectName(QStringLiteral("FileCommands"));
    showSave = [this](QWidget*, const QString& fileName) { return showDialog(true, fileName); };
    showOpen = [this](QWidget*, const QString& fileName) { return showDialog(false, fileName); };
}

QString FileCommands::showDialog(bool saving, const QString& fileName)
{
    // No title, no filter, no default extension: the platform's own dialog
    // as it comes, which also asks before an existing file is replaced.
    if (CommonDialog1 == nullptr) {
        CommonDialog1 = new QFileDialog(window_);
        CommonDialog1->setObjectName(QStringLiteral("CommonDialog1"));
    }
    CommonDialog1->setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    CommonDialog1->setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!fileName.isEmpty())
        CommonDialog1->selectFile(fileName);
    const int answer = CommonDialog1->exec();
    closeCompletionLists(CommonDialog1);
    if (answer != QDialog::Accepted)
        return {};
    const QStringList chosen = CommonDialog1->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

QString FileCommands::ask(const std::function<QString(QWidget*, const QString&)>& form)
{
    const QString chosen = form(window_, fileName_);
    if (!chosen.isEmpty())
        fileName_ = chosen;
    return chosen;
}

void FileCommands::saveRun()
{
    const QString fullPath = ask(showSave);
    if (fullPath.isEmpty())
        return;
    const Result<void> full = saveRunFile(history_, ExportPrecision::Full, toPath(fullPath));
    if (!full) {
        report(window_, QStringLiteral("The run was not saved. ") + fromCore(full.error().message) +
                            QStringLiteral(" Choose another folder or file name and save again."));
        return;
    }

    const QString roundedPath = ask(showSave);
    if (roundedPath.isEmpty())
        return;
    const Result<void> rounded = saveRunFile(history_, ExportPrecision::Rounded, toPath(roundedPath));
    if (!rounded) {
        report(window_, QStringLiteral("The full-precision file %1 was saved, but not the rounded one. ")
                                .arg(fromCore(quotedPath(toPath(fullPath)))) +
                            fromCore(rounded.error().message) +
                            QStringLiteral(" Choose another folder or file name and save again."));
    }
}

void FileCommands::runBatchProjection()
{
    const QString dataPath = ask(showOpen);
    if (dataPath.isEmpty())
        return;
    const Result<void> done = dalvo::runBatchProjection(toPath(dataPath));
    if (!done)
        report(window_, fromCore(done.error().message));
}

}  // namespace dalvo::ui
