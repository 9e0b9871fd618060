// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/charts/plot_points.h"

#include <gtest/gtest.h>

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>

namespace dalvo::ui {
namespace {

const QColor kBackground(Qt::white);
const QColor kFill(200, 0, 0);
const QColor kLine(0, 0, 160);

QImage solidMarker(int size)
{
    QImage marker(size, size, QImage::Format_ARGB32_Premultiplied);
    marker.fill(kFill);
    return marker;
}

// A 200 x 100 scene whose plot area is the rectangle (50, 20)-(150, 80),
// showing 0..10 across and -1..1 up.
struct Plot {
    QGraphicsScene scene{0, 0, 200, 100};
    QGraphicsRectItem* owner = scene.addRect(0, 0, 1, 1, Qt::NoPen);
    PlotPoints* points = new PlotPoints(owner);

    Plot()
    {
        points->setPlotArea(QRectF(50, 20, 100, 60));
        points->setRanges(0, 10, -1, 1);
    }
    QImage shown()
    {
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(kBackground);
        QPainter painter(&image);
        scene.render(&painter, QRectF(0, 0, 200, 100), QRectF(0, 0, 200, 100));
        return image;
    }
};

TEST(PlotPointsTest, MarkersSitWhereTheirValuesBelong)
{
    struct Case {
        const char* name;
        QPointF value;
        QPoint pixel;
    };
    const Case cases[] = {
        {"middle", {5, 0}, {100, 50}},
        {"a quarter across, three quarters up", {2.5, 0.5}, {75, 35}},
        {"near the bottom left corner", {0.5, -0.9}, {55, 77}},
        {"near the top right corner", {9.5, 0.9}, {145, 23}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Plot plot;
        PlotPoints::Series& series = plot.points->series(0);
        series.points = {c.value};
        series.marker = solidMarker(5);
        const QImage image = plot.shown();
        EXPECT_EQ(image.pixelColor(c.pixel), kFill);
        // Five pixels wide, centred: two either side, nothing at three.
        EXPECT_EQ(image.pixelColor(c.pixel + QPoint(-2, 0)), kFill);
        EXPECT_EQ(image.pixelColor(c.pixel + QPoint(2, 0)), kFill);
        EXPECT_EQ(image.pixelColor(c.pixel + QPoint(3, 0)), kBackground);
        EXPECT_EQ(image.pixelColor(c.pixel + QPoint(0, -3)), kBackground);
    }
}

TEST(PlotPointsTest, NothingIsDrawnOutsideThePlotArea)
{
    Plot plot;
    PlotPoints::Series& series = plot.points->series(0);
    series.points = {{0, -1}, {12, 0}};
    series.marker = solidMarker(9);
    const QImage image = plot.shown();
    // The marker at the bottom left corner shows only its quarter inside the
    // area, whose last row is 79; the point past the right end is not drawn.
    EXPECT_EQ(image.pixelColor(50, 79), kFill);
    EXPECT_EQ(image.pixelColor(53, 76), kFill);
    EXPECT_EQ(image.pixelColor(49, 79), kBackground);
    EXPECT_EQ(image.pixelColor(50, 80), kBackground);
    EXPECT_EQ(image.pixelColor(170, 50), kBackground);
    EXPECT_EQ(image.pixelColor(149, 50), kBackground);
}

TEST(PlotPointsTest, WhatASeriesShows)
{
    struct Case {
        const char* name;
        bool line;
        bool markers;
        bool markerAtPoint;
        bool lineBetweenPoints;
    };
    const Case cases[] = {
        {"markers only", false, true, true, false},
        {"line only", true, false, false, true},
        {"line and markers", true, true, true, true},
        {"neither", false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Plot plot;
        PlotPoints::Series& series = plot.points->series(1);
        series.points = {{0, 0}, {10, 0}};
        series.line = c.line;
        series.lineColour = kLine;
        if (c.markers)
            series.marker = solidMarker(5);
        const QImage image = plot.shown();
        EXPECT_EQ(image.pixelColor(51, 50) == kFill, c.markerAtPoint);
        EXPECT_EQ(image.pixelColor(100, 50) == kLine, c.lineBetweenPoints);
        EXPECT_EQ(image.pixelColor(100, 40), kBackground);
    }
}

// A guide's label goes over markers as tall as the plot, so that no marker
// hides any of its text, whether it sits above the line or below it.
TEST(PlotPointsTest, AGuidesLabelStaysReadableOverMarkers)
{
    for (double guideAt : {0.0, 0.95}) {
        SCOPED_TRACE(guideAt);
        Plot plot;
        PlotPoints::Series& series = plot.points->series(0);
        for (int i = 0; i <= 100; ++i)
            series.points.append({i / 10.0, guideAt});
        series.marker = solidMarker(61);
        plot.points->setGuides({{guideAt, QColor(80, 80, 80), QStringLiteral("λ = 1.21977")}});
        const QImage image = plot.shown();
        // The text: grey pixels off the line's own rows.
        QRect text;
        for (int y = 20; y < 80; ++y)
            for (int x = 50; x < 150; ++x) {
                const QColor p = image.pixelColor(x, y);
                if (std::abs(y - qRound(50 - guideAt * 30)) > 2 && p.value() < 180 && p.saturation() < 40)
                    text |= QRect(x, y, 1, 1);
            }
        ASSERT_GE(text.width(), 20) << "no label to read";
        EXPECT_GT(text.right(), 140) << "the label sits at the line's right end";
        for (int y = text.top(); y <= text.bottom(); ++y)
            for (int x = text.left(); x <= text.right(); ++x)
                ASSERT_NE(image.pixelColor(x, y), kFill) << x << ", " << y;
    }
}

TEST(PlotPointsTest, PointsThatCrowdThePlotGetTheSmallMarker)
{
    // A 9-pixel square with a black rim, and a 3-pixel one without: the plot
    // area is 100 pixels wide, room for 11 of the large ones side by side.
    QImage large(9, 9, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::black);
    QPainter(&large).fillRect(1, 1, 7, 7, kFill);
    struct Case {
        const char* name;
        int points;
        bool crowdedGiven;
        bool rimShown;
    };
    const Case cases[] = {
        {"one point", 1, true, true},
        {"just room for all", 11, true, true},
        {"one too many", 12, true, false},
        {"a thousand", 1000, true, false},
        {"a thousand, no small marker", 1000, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Plot plot;
        PlotPoints::Series& series = plot.points->series(0);
        // One point in the middle, the rest piled up in a corner.
        series.points = {{5, 0}};
        for (int i = 1; i < c.points; ++i)
            series.points.append({0, -1});
        series.marker = large;
        if (c.crowdedGiven)
            series.crowdedMarker = solidMarker(3);
        const QImage image = plot.shown();
        EXPECT_EQ(image.pixelColor(100, 50), kFill);
        EXPECT_EQ(image.pixelColor(101, 50), kFill);
        EXPECT_EQ(image.pixelColor(104, 50), c.rimShown ? QColor(Qt::black) : kBackground);
        EXPECT_EQ(image.pixelColor(102, 50), c.rimShown ? kFill : kBackground);
    }

    // The room is the plot's width: a wider plot takes the large marker again.
    Plot wide;
    wide.points->setPlotArea(QRectF(0, 0, 200, 100));
    PlotPoints::Series& series = wide.points->series(0);
    series.points = QList<QPointF>(12, QPointF(5, 0));
    series.marker = large;
    series.crowdedMarker = solidMarker(3);
    EXPECT_EQ(wide.shown().pixelColor(104, 50), QColor(Qt::black));
}

TEST(PlotPointsTest, AnEmptyOrFlatRangeDrawsWithoutFailing)
{
    Plot plot;
    plot.points->setRanges(3, 3, 0, 0);
    PlotPoints::Series& series = plot.points->series(0);
    series.points = {{3, 0}};
    series.marker = solidMarker(5);
    EXPECT_EQ(plot.shown().pixelColor(51, 79), kFill);

    Plot nothing;
    nothing.points->series(0);
    EXPECT_EQ(nothing.shown().pixelColor(100, 50), kBackground);
}

// A dashed line of a hundred one-pixel steps still shows its dashes: they
// run on from one point to the next rather than start afresh at each.
TEST(PlotPointsTest, ADashedLineShowsGapsAlongItsLength)
{
    for (const bool dashed : {false, true}) {
        SCOPED_TRACE(dashed ? "dashed" : "solid");
        Plot plot;
        PlotPoints::Series& series = plot.points->series(0);
        for (int i = 0; i <= 100; ++i)
            series.points.append(QPointF(i / 10.0, 0));
        series.line = true;
        series.dashed = dashed;
        series.lineColour = kLine;
        const QImage image = plot.shown();
        int gaps = 0;
        for (int x = 55; x < 145; ++x)
            gaps += image.pixelColor(x, 50) == kBackground ? 1 : 0;
        if (dashed)
            EXPECT_GT(gaps, 15);
        else
            EXPECT_EQ(gaps, 0);
    }
}

}  // namespace
}  // namespace dalvo::ui
