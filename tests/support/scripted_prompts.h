// Prompts answered by the test: the next file names and answers it hands out, and every message it was told.
#pragma once

#include <QString>
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

    QString chooseFileToSave(QWidget*, const QString& suggestedName) override { return next(suggestedName); }
    QString chooseFileToOpen(QWidget*, const QString& suggestedName) override { return next(suggestedName); }
    bool confirm(QWidget*, const QString& question) override
    {
        questions << question;
        return answer;
    }
    void report(QWidget*, const QString& message) override { reports << message; }

private:
    QString next(const QString& suggestedName)
    {
        suggestions << suggestedName;
        if (fileNames.empty())
            return {};
        QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};

}  // namespace dalvo::ui
