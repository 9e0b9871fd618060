// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/charts/plot_points.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace dalvo::ui {

namespace {

constexpr double kLineWidth = 2.0;
constexpr double kThinLineWidth = 1.0;
// A guide's label keeps this far from the plot's right edge and its line.
constexpr double kLabelMargin = 4.0;
// The chart's own background, laid under a guide's label.
const QColor kLabelBackground(Qt::white);

}  // namespace

PlotPoints::PlotPoints(QGraphicsItem* parent) : QGraphicsItem(parent) {}

PlotPoints::Series& PlotPoints::series(int index)
{
    if (static_cast<int>(series_.size()) <= index)
        series_.resize(static_cast<std::size_t>(index) + 1);
    return series_[static_cast<std::size_t>(index)];
}

const PlotPoints::Series* PlotPoints::find(int index) const
{
    return index >= 0 && index < static_cast<int>(series_.size()) ? &series_[static_cast<std::size_t>(index)]
                                                                  : nullptr;
}

void PlotPoints::setRanges(double xLow, double xHigh, double yLow, double yHigh)
{
    xLow_ = xLow;
    xHigh_ = xHigh;
    yLow_ = yLow;
    yHigh_ = yHigh;
    update();
}

void PlotPoints::setPlotArea(const QRectF& area)
{
    if (area == area_)
        return;
    prepareGeometryChange();
    area_ = area;
}

void PlotPoints::setGuides(const QList<Guide>& guides)
{
    if (guides == guides_)
        return;
    guides_ = guides;
    update();
}

void PlotPoints::setBands(const QList<Band>& bands)
{
    if (bands == bands_)
        return;
    bands_ = bands;
    update();
}

double PlotPoints::placedY(double y) const
{
    const double ySpan = yHigh_ - yLow_;
    return area_.bottom() - (ySpan > 0 ? (y - yLow_) * area_.height() / ySpan : 0.0);
}

void PlotPoints::place(const QList<QPointF>& points)
{
    const double xSpan = xHigh_ - xLow_, ySpan = yHigh_ - yLow_;
    const double xScale = xSpan > 0 ? area_.width() / xSpan : 0.0;
    const double yScale = ySpan > 0 ? area_.height() / ySpan : 0.0;
    placed_.resize(points.size());
    for (qsizetype i = 0; i < points.size(); ++i)
        placed_[i] = QPointF(area_.left() + (points[i].x() - xLow_) * xScale,
                             area_.bottom() - (points[i].y() - yLow_) * yScale);
}

void PlotPoints::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (area_.isEmpty())
        return;
    painter->save();
    painter->setClipRect(area_);
    painter->setPen(Qt::NoPen);
    for (const Band& band : bands_) {
        place(band.outline);
        painter->setBrush(band.colour);
        painter->drawPolygon(placed_);
    }
    painter->setBrush(Qt::NoBrush);
    // Under the points, so that the run's own values stay readable where
    // they reach the line they settle on.
    paintGuides(painter);
    for (const Series& s : series_) {
        if (s.points.isEmpty() || (!s.line && s.marker.isNull()))
            continue;
        place(s.points);
        if (s.line && s.dashed) {
            paintDashedLine(painter, s);
        } else if (s.line) {
            // Stroked as one path, a long zigzag of a thousand points takes
            // the painter tens of milliseconds; segment by segment it is
            // quick, and their round ends join them.
            painter->setPen(QPen(s.lineColour, s.thin ? kThinLineWidth : kLineWidth, Qt::SolidLine, Qt::RoundCap));
            segments_.clear();
            auto nextBreak = s.breaks.cbegin();
            for (qsizetype i = 1; i < placed_.size(); ++i) {
                while (nextBreak != s.breaks.cend() && *nextBreak < i)
                    ++nextBreak;
                if (nextBreak != s.breaks.cend() && *nextBreak == i)
                    continue;
                segments_.append(QLineF(placed_[i - 1], placed_[i]));
            }
            painter->drawLines(segments_);
        }
        if (!s.marker.isNull()) {
            const bool crowded = !s.crowdedMarker.isNull() &&
                                 static_cast<double>(s.points.size()) * s.marker.width() > area_.width();
            const QImage& marker = crowded ? s.crowdedMarker : s.marker;
            // Whole-pixel corners let the picture be copied rather than resampled.
            const double halfWidth = marker.width() / 2.0, halfHeight = marker.height() / 2.0;
            for (const QPointF& at : placed_)
                painter->drawImage(QPoint(static_cast<int>(std::lround(at.x() - halfWidth)),
                                          static_cast<int>(std::lround(at.y() - halfHeight))),
                                   marker);
        }
    }
    paintGuideLabels(painter);
    painter->restore();
}

// Stroked stretch by stretch, so that the dashes run on from one point to
// the next instead of starting afresh at every short segment.
void PlotPoints::paintDashedLine(QPainter* painter, const Series& s)
{
    painter->setPen(QPen(s.lineColour, kLineWidth, Qt::DashLine, Qt::FlatCap));
    qsizetype start = 0;
    auto stroke = [&](qsizetype end) {
        if (end - start >= 2)
            painter->drawPolyline(placed_.constData() + start, static_cast<int>(end - start));
        start = end;
    };
    for (qsizetype next : s.breaks)
        if (next > start && next <= placed_.size())
            stroke(next);
    stroke(placed_.size());
}

void PlotPoints::paintGuides(QPainter* painter) const
{
    for (const Guide& guide : guides_) {
        const double y = placedY(guide.y);
        painter->setPen(QPen(guide.colour, kLineWidth, Qt::DashLine, Qt::FlatCap));
        painter->drawLine(QLineF(area_.left(), y, area_.right(), y));
    }
}

void PlotPoints::paintGuideLabels(QPainter* painter) const
{
    const QFontMetricsF metrics(painter->font());
    for (const Guide& guide : guides_) {
        if (guide.label.isEmpty())
            continue;
        // Above the line, or below it where the plot's top leaves no room.
        const double y = placedY(guide.y);
        const double height = metrics.height();
        const double width = std::min(metrics.horizontalAdvance(guide.label), area_.width() - 2 * kLabelMargin);
        const bool roomAbove = y - area_.top() >= height + kLabelMargin;
        const QRectF box(area_.right() - kLabelMargin - width, roomAbove ? y - kLabelMargin - height : y + kLabelMargin,
                         width, height);
        painter->fillRect(box.adjusted(-kLabelMargin / 2, 0, kLabelMargin / 2, 0), kLabelBackground);
        painter->setPen(guide.colour);
        painter->drawText(box, Qt::AlignRight | Qt::AlignVCenter, guide.label);
    }
}

}  // namespace dalvo::ui
