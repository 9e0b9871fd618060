// The main window's file commands: saving the run ("S") and the batch projection (Command12).
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "model/history.h"

class QFileDialog;
class QWidget;

namespace dalvo::ui {

// Owns the main window's one file dialog, CommonDialog1. Its save and open
// forms share the last chosen file name, so each opens where the student last
// was; the save form asks before it replaces an existing file. A cancelled
// dialog ends the command quietly. The commands themselves live in the core;
// this class asks for names and turns failures into messages.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(const History& history, QWidget* mainWindow);

    // The file name the dialog holds: the last one chosen in either command.
    const QString& fileName() const { return fileName_; }

    // The dialog's two forms, given the remembered name; an empty result
    // means cancel. The defaults show CommonDialog1, tests answer directly.
    std::function<QString(QWidget* window, const QString& fileName)> showSave;
    std::function<QString(QWidget* window, const QString& fileName)> showOpen;
    // Tells the student about a failure; the default is a message box.
    std::function<void(QWidget* window, const QString& message)> report;

public slots:
    // Writes steps 0..stepCount() to two files named one after the other: the
    // first at full precision, the second rounded. Cancelling the second
    // dialog keeps the first file.
    void saveRun();

    // Projects the matrix of a data file and writes the three result files
    // beside it. Shows nothing when it succeeds.
    void runBatchProjection();

private:
    QString showDialog(bool saving, const QString& fileName);
    QString ask(const std::function<QString(QWidget*, const QString&)>& form);

    const History& history_;
    QWidget* window_;
    QFileDialog* CommonDialog1 = nullptr;  // built on first use
    QString fileName_;
};

}  // namespace dalvo::ui
