// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/charts/marker_images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>

namespace dalvo::ui {

namespace {

QPolygonF shapeOf(MarkerShape shape, const QRectF& box)
{
    const double left = box.left(), right = box.right(), top = box.top(), bottom = box.bottom();
    const double middleX = box.center().x(), middleY = box.center().y();
    switch (shape) {
        case MarkerShape::Square:
            break;
        case MarkerShape::Diamond:
            return QPolygonF({{middleX, top}, {right, middleY}, {middleX, bottom}, {left, middleY}});
        case MarkerShape::UpTriangle:
            return QPolygonF({{middleX, top}, {right, bottom}, {left, bottom}});
        case MarkerShape::DownTriangle:
            return QPolygonF({{left, top}, {right, top}, {middleX, bottom}});
    }
    return QPolygonF(box);
}

}  // namespace

QColor toColour(const Colour& colour)
{
    return QColor(std::clamp(colour.red, 0, 255), std::clamp(colour.green, 0, 255),
                  std::clamp(colour.blue, 0, 255));
}

QImage markerImage(MarkerShape shape, int canvas, int size, const QColor& fill, const QColor& outline,
                   int outlineWidth, bool outlined)
{
    canvas = std::max(canvas, 1);
    size = std::clamp(size, 1, canvas);
    QImage image(canvas, canvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double inset = outlined ? outlineWidth / 2.0 : 0.0;
    const double corner = (canvas - size) / 2.0;
    const QRectF box = QRectF(corner, corner, size, size).adjusted(inset, inset, -inset, -inset);
    painter.setBrush(fill);
    if (outlined)
        painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.drawPolygon(shapeOf(shape, box));
    return image;
}

}  // namespace dalvo::ui
