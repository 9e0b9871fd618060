// The main window's file commands: saving the run and the batch projection from a data file.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QObject>
#include <QString>

#include "model/history.h"

class QWidget;

namespace dalvo::ui {

class Prompts;

// Asks for file names through the prompts, remembering the last chosen one
// so that both commands offer where the student last was. A cancelled
// question ends the command quietly. The commands themselves live in the
// core; this class asks for names and turns failures into messages.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(const History& history, Prompts& prompts, QWidget* mainWindow);

    // The last file name chosen in either command.
    const QString& fileName() const { return fileName_; }

public slots:
    // Saves steps 0..stepCount() in two files named one after the other: the
    // first at full precision, the second rounded. Cancelling the second
    // question keeps the first file.
    void saveRun();

    // Projects the matrix of a data file and writes the three result files
    // beside it. Shows nothing when it succeeds.
    void runBatchProjection();

private:
    QString remember(const QString& chosen);

    const History& history_;
    Prompts& prompts_;
    QWidget* window_;
    QString fileName_;
};

}  // namespace dalvo::ui
