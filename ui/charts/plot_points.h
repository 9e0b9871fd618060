// Draws the chart's points and connecting lines over the plot area, markers stamped as pictures.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

namespace dalvo::ui {

// Qt Charts keeps one graphics item per point of a series and places them
// all again on every change, which at a thousand points a series costs more
// than drawing them. This item keeps the points as numbers and places them
// only while it paints.
class PlotPoints : public QGraphicsItem {
public:
    struct Series {
        QList<QPointF> points;  // in the axes' values
        // The points, in rising order, at which the line starts afresh
        // rather than joining the point before.
        QList<qsizetype> breaks;
        bool line = false;
        // A line that shows what theory expects rather than what the run did.
        bool dashed = false;
        // One of many lines that together show a spread.
        bool thin = false;
        QColor lineColour;
        QImage marker;  // stamped centred on each point when not null
        // Stamped instead of `marker`, when not null, while the points are
        // more than the plot's width has room for with `marker` side by side.
        QImage crowdedMarker;
    };

    // A dashed line across the plot at value `y`, with `label`, when not
    // empty, written above its right end on the plot's background, over the
    // points, so that markers crowding the line leave it readable.
    struct Guide {
        double y = 0;
        QColor colour;
        QString label;
        bool operator==(const Guide&) const = default;
    };

    // A shaded area between two lines, under the guides and the series:
    // `outline` runs along the lower line and back along the upper one, in
    // the axes' values.
    struct Band {
        QPolygonF outline;
        QColor colour;
        bool operator==(const Band&) const = default;
    };

    explicit PlotPoints(QGraphicsItem* parent);

    // Series `index`, created empty on first use.
    Series& series(int index);
    const Series* find(int index) const;
    void setGuides(const QList<Guide>& guides);
    const QList<Guide>& guides() const { return guides_; }
    void setBands(const QList<Band>& bands);
    const QList<Band>& bands() const { return bands_; }
    // The values at the plot area's left, right, bottom and top edges; the
    // next frame shows the series as they are then.
    void setRanges(double xLow, double xHigh, double yLow, double yHigh);
    // Where the plot area lies, in the parent's coordinates.
    void setPlotArea(const QRectF& area);

    QRectF boundingRect() const override { return area_; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    void place(const QList<QPointF>& points);
    double placedY(double y) const;
    void paintGuides(QPainter* painter) const;
    void paintGuideLabels(QPainter* painter) const;
    void paintDashedLine(QPainter* painter, const Series& series);

    std::vector<Series> series_;
    QList<Guide> guides_;
    QList<Band> bands_;
    QRectF area_;
    double xLow_ = 0, xHigh_ = 1, yLow_ = 0, yHigh_ = 1;
    // Kept between paints to reuse their memory.
    QPolygonF placed_;
    QList<QLineF> segments_;
};

}  // namespace dalvo::ui
