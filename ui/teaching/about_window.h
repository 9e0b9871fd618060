// The about screen: the notices, the citation request and where new versions are found.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QString>

#include "ui/common/secondary_window.h"
#include "presentation/picture_placement.h"

class QLabel;
class QPushButton;

namespace dalvo::ui {

struct ControlSheet;

class AboutWindow : public SecondaryWindow {
    Q_OBJECT
public:
    // Loading builds the citation with the year of today's date.
    explicit AboutWindow(QWidget* parent = nullptr);

    static constexpr PictureSize kPictureSize{136, 180};

    // Every control of the window: its names, texts, place and font.
    static const ControlSheet& sheet();

    static QString usageNotice();
    static QString protectionNotice();
    static QString rightsLine();
    static QString makerNotice();
    // The request to cite the program, for a program that has been kept up
    // from 1997 to `year`; the year is written with at least four digits.
    static QString citation(int year);
    // The two places to download new versions, one line each with the
    // organisation that runs it; every line ends with a line feed.
    static QString newVersionNotice();

signals:
    // "OK": on to the dedication screen.
    void dedicationRequested();

private:
    QLabel* usageLabel_ = nullptr;
    QLabel* protectionLabel_ = nullptr;
    QLabel* rightsLabel_ = nullptr;
    QLabel* citationLabel_ = nullptr;
    QLabel* makerLabel_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* newVersionLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace dalvo::ui
