// Prompts answered by the test: the next file names and answers it hands out, and every message it was told.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QString>
#include <QList>
#include <QStringList>
#include <deque>

#include "ui/common/prompts.h"

namespace dalvo::ui {

class ScriptedPrompts : public Prompts {
public:
    // Handed out in turn by both file questions; once used up, the student cancels.
    std::deque<QString> fileNames;
    bool answer = true;
    QStringList questions;
    QStringList reports;
    QStringList suggestions;
    // The window behind every question, in the order asked.
    QList<QWidget*> askers;

    QString chooseFileToSave(QWidget* window, const QString& suggestedName) override
    {
        return next(window, suggestedName);
    }
    QString chooseFileToOpen(QWidget* window, const QString& suggestedName) override
    {
        return next(window, suggestedName);
    }
    bool confirm(QWidget* window, const QString& question) override
    {
        askers << window;
        questions << question;
        return answer;
    }
    void report(QWidget*, const QString& message) override { reports << message; }

private:
    QString next(QWidget* window, const QString& suggestedName)
    {
        askers << window;
        suggestions << suggestedName;
        if (fileNames.empty())
            return {};
        QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};

}  // namespace dalvo::ui
