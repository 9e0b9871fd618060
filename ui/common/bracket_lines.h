// Draws square brackets around the matrix and the vectors, as thin line shapes.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QWidget>
#include <vector>

namespace dalvo::ui {

// One bracket in twips: a vertical stroke at strokeX from top to bottom, with
// slanted ends that reach tipX at top - reach and bottom + reach.
struct Bracket {
    int strokeX;
    int tipX;
    int top;
    int bottom;
    int reach;
};

// Covers its parent and ignores the mouse, so it never hides a control.
class BracketLines : public QWidget {
    Q_OBJECT
public:
    BracketLines(std::vector<Bracket> brackets, QWidget* parent);

    // The line shapes, three per bracket, in twips.
    std::vector<QLine> linesInTwips() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Bracket> brackets_;
};

// Left and right brackets around a block of cells.
std::vector<Bracket> bracketPair(int leftStrokeX, int rightStrokeX, int tipInset, int top, int bottom,
                                 int reach);

}  // namespace dalvo::ui
