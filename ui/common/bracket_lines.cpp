// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/bracket_lines.h"

#include <QPainter>
#include <utility>

#include "ui/common/twips.h"

namespace dalvo::ui {

BracketLines::BracketLines(std::vector<Bracket> brackets, QWidget* parent)
    : QWidget(parent), brackets_(std::move(brackets))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (parent)
        setGeometry(parent->rect());
}

std::vector<QLine> BracketLines::linesInTwips() const
{
    std::vector<QLine> lines;
    for (const Bracket& b : brackets_) {
        lines.emplace_back(b.strokeX, b.top, b.strokeX, b.bottom);
        lines.emplace_back(b.strokeX, b.top, b.tipX, b.top - b.reach);
        lines.emplace_back(b.strokeX, b.bottom, b.tipX, b.bottom + b.reach);
    }
    return lines;
}

void BracketLines::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, qMax(1, twips(30))));
    for (const QLine& line : linesInTwips())
        painter.drawLine(twipPoint(line.x1(), line.y1()), twipPoint(line.x2(), line.y2()));
}

std::vector<Bracket> bracketPair(int leftStrokeX, int rightStrokeX, int tipInset, int top, int bottom,
                                 int reach)
{
    return {{leftStrokeX, leftStrokeX + tipInset, top, bottom, reach},
            {rightStrokeX, rightStrokeX - tipInset, top, bottom, reach}};
}

}  // namespace dalvo::ui
