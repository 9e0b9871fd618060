// What every tab of the "Own population" window offers the window: it shows one study at a time.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QWidget>

#include "model/own_population.h"

namespace dalvo::ui {

// The size in twips the tabs are drawn for: a page of the window's tab
// widget at the window's first size. They grow and shrink from there.
inline constexpr int kStudyTabWidthTwips = 14400;
inline constexpr int kStudyTabHeightTwips = 8850;

class StudyTab : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    // Shows `study` of `population`; called after every accepted change.
    virtual void showStudy(const OwnPopulation& population, const PopulationStudy& study) = 0;
};

}  // namespace dalvo::ui
