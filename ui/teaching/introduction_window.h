// The introduction screen: a page on the Dalvo-Leslie matrix and the limits of the model.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QStringList>

#include "ui/common/secondary_window.h"

class QPushButton;
class QTextEdit;

namespace dalvo::ui {

struct ControlSheet;

class IntroductionWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit IntroductionWindow(QWidget* parent = nullptr);

    // The 29 fragments of the page in reading order. Each ends with a space,
    // so that they run on as sentences when joined; none holds a line break,
    // because the text box wraps the page itself.
    // Every control of the window: its names, texts, place and font.
    static const ControlSheet& sheet();

    static QStringList fragments();
    // The fragments joined with nothing between them.
    static QString page();

signals:
    // "OK": back to the main window.
    void goBackRequested();
    // "References": on to the literature list.
    void referencesRequested();

private:
    QTextEdit* page_ = nullptr;
    QPushButton* referencesButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace dalvo::ui
