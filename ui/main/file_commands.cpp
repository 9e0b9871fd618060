// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/main/file_commands.h"

#include <QWidget>
#include <string>

#include "files/batch_command.h"
#include "files/file_reason.h"
#include "files/saved_run.h"
#include "ui/common/messages.h"
#include "ui/common/prompts.h"

namespace dalvo::ui {

FileCommands::FileCommands(const History& history, Prompts& prompts, QWidget* mainWindow)
    : QObject(mainWindow), history_(history), prompts_(prompts), window_(mainWindow)
{
    setObjectName(QStringLiteral("FileCommands"));
}

QString FileCommands::remember(const QString& chosen)
{
    if (!chosen.isEmpty())
        fileName_ = chosen;
    return chosen;
}

void FileCommands::saveRun()
{
    const QString fullPath = remember(prompts_.chooseFileToSave(window_, fileName_));
    if (fullPath.isEmpty())
        return;
    const Result<void> full = saveRunFile(history_, SavePrecision::Full, toFileName(fullPath));
    if (!full) {
        prompts_.report(window_, tr("The run was not saved. %1 Choose another folder or file name and save again.")
                                     .arg(shownError(full.error())));
        return;
    }

    const QString roundedPath = remember(prompts_.chooseFileToSave(window_, fileName_));
    if (roundedPath.isEmpty())
        return;
    const Result<void> rounded = saveRunFile(history_, SavePrecision::Rounded, toFileName(roundedPath));
    if (!rounded) {
        prompts_.report(window_, tr("The full-precision file %1 was saved, but not the rounded one. %2 Choose "
                                    "another folder or file name and save again.")
                                     .arg(fromFileMessage(quotedPath(toFileName(fullPath))), shownError(rounded.error())));
    }
}

void FileCommands::runBatchProjection()
{
    const QString dataPath = remember(prompts_.chooseFileToOpen(window_, fileName_));
    if (dataPath.isEmpty())
        return;
    const Result<void> done = dalvo::runBatchProjection(toFileName(dataPath));
    if (!done)
        prompts_.report(window_, shownError(done.error()));
}

}  // namespace dalvo::ui
