// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QWidget>

namespace dalvo::ui {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string toFileName(const QString& fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

QString fromFileMessage(const std::string& message)
{
    return QFile::decodeName(QByteArray::fromStdString(message));
}

QString shownError(const Error& error)
{
    if (error.text.empty())
        return fromFileMessage(error.message);
    std::vector<std::string> arguments = error.arguments;
    for (const Error& inner : error.nested) {
        // A failure told inside a sentence has lost its final period; its
        // translation loses it too.
        QString shown = shownError(inner);
        if (!inner.message.ends_with('.') && shown.endsWith(u'.'))
            shown.chop(1);
        arguments.push_back(toFileName(shown));
    }
    const QString text = QCoreApplication::translate("dalvo::Error", error.text.c_str());
    return fromFileMessage(withArguments(text.toStdString(), arguments));
}

NumberLocale numberLocaleOfSystem()
{
    return NumberLocale{QLocale::system().decimalPoint().toStdString()};
}

void showProblem(QWidget* window, const QString& message)
{
    // With no window to stay beside, the warning waits for its answer.
    if (window == nullptr) {
        QMessageBox::warning(nullptr, QObject::tr("Dalvo-Leslie Matrix"), message);
        return;
    }
    auto* box =
        new QMessageBox(QMessageBox::Warning, window->windowTitle(), message, QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("problemMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace dalvo::ui
