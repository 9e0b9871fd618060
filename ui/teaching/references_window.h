// The references screen: the literature list behind the introduction.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QList>
#include <QStringList>

#include "ui/common/secondary_window.h"

class QPushButton;

namespace dalvo::ui {

struct ControlSheet;

class ClickableLabel;

class ReferencesWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit ReferencesWindow(QWidget* parent = nullptr);

    // One entry per reference, each split into the fragments it is written
    // in: authors and year, title, then journal with volume and pages or
    // publisher.
    // Every control of the window: its names, texts, place and font.
    static const ControlSheet& sheet();

    static QList<QStringList> referenceFragments();
    // The references in order, each one's fragments joined directly, with two
    // line feeds (an empty line) between references and nothing after the
    // last.
    static QString referenceList();

signals:
    // "OK": back to the main window, never to the introduction.
    void goBackRequested();
    // A click on the bare background, beside the heading and the list; the
    // main window is shown before this screen is hidden.
    void backgroundClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickableLabel* heading_ = nullptr;
    ClickableLabel* list_ = nullptr;
    QPushButton* okButton_ = nullptr;
    bool pressedOnBackground_ = false;
};

}  // namespace dalvo::ui
