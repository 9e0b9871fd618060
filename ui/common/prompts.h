// What a window asks of the student: a file to save or open, a yes or no, and news of a failure.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QString>

class QWidget;

namespace dalvo::ui {

// Windows receive one of these instead of opening dialogs themselves, so
// tests can answer in their place. An empty file name means the student
// cancelled.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual QString chooseFileToSave(QWidget* window, const QString& suggestedName) = 0;
    virtual QString chooseFileToOpen(QWidget* window, const QString& suggestedName) = 0;
    virtual bool confirm(QWidget* window, const QString& question) = 0;
    virtual void report(QWidget* window, const QString& message) = 0;
};

// The real thing: the file dialog, a question box, and for failures the same
// non-blocking warning the windows show when a step cannot be made. The
// dialog offers the name the window suggests; the window that wants its last
// choice offered again remembers it (see FileCommands).
class DialogPrompts : public Prompts {
public:
    QString chooseFileToSave(QWidget* window, const QString& suggestedName) override;
    QString chooseFileToOpen(QWidget* window, const QString& suggestedName) override;
    bool confirm(QWidget* window, const QString& question) override;
    void report(QWidget* window, const QString& message) override;

private:
    static QString runFileDialog(QWidget* window, const QString& suggestedName, bool saving);
};

}  // namespace dalvo::ui
