// Shows a chart description with Qt Charts: title, axes and legend by Qt, the points and guides by our own plot item.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QImage>
#include <vector>

#include "model/axis_scale.h"
#include "model/number_text.h"
#include "presentation/chart_description.h"
#include "ui/charts/plot_points.h"

QT_BEGIN_NAMESPACE
class QAreaSeries;
class QCategoryAxis;
class QChart;
class QLineSeries;
class QScatterSeries;
QT_END_NAMESPACE

namespace dalvo::ui {

class ChartRenderer {
public:
    // Axis numbers are written with `locale`'s decimal separator.
    ChartRenderer(QChart* chart, NumberLocale locale);

    // Brings the chart in line with the description, its texts translated.
    // Marker pictures are redrawn only when their look changed.
    void render(const ChartDescription& description);

    // What the plot shows of series `index`: its points where the axes place
    // them (on a logarithmic axis, the logarithm of the value; none when the
    // series is not drawn), whether they are joined by a line, and the marker
    // stamped on each.
    QList<QPointF> points(int index) const;
    bool showsLine(int index) const;
    bool showsMarkers(int index) const;
    // Whether its line is dashed: what theory expects, beside what the run did.
    bool showsDashedLine(int index) const;
    QImage markerImage(int index) const;
    // The marker stamped instead when the series' points crowd the plot.
    QImage crowdedMarkerImage(int index) const;
    // The dashed lines across the plot, at the value axis' positions.
    const QList<PlotPoints::Guide>& guides() const;
    // The shaded bands, at the axes' positions.
    const QList<PlotPoints::Band>& bands() const;
    QCategoryAxis* axisX() const { return x_; }
    QCategoryAxis* axisY() const { return y_; }

private:
    struct MarkerLook {
        MarkerShape shape = MarkerShape::Square;
        int size = 0;
        QRgb fill = 0;
        QRgb outline = 0;
        int outlineWidth = 0;
        bool outlined = false;
        bool operator==(const MarkerLook&) const = default;
    };
    // The two series give the legend its entries; they hold no points.
    struct Slot {
        QLineSeries* line = nullptr;
        QScatterSeries* markers = nullptr;
        MarkerLook look;
        QImage markerImage;
        QImage crowdedMarkerImage;
    };

    Slot& slot(int index);
    void renderSeries(const ChartDescription& description, int index);
    void renderBands(const ChartDescription& description);
    void renderAxis(QCategoryAxis* axis, const ChartAxis& description);

    QChart* chart_;
    PlotPoints* plot_;
    NumberLocale locale_;
    std::vector<Slot> slots_;
    // Hold no points: they give the named bands their legend entries.
    std::vector<QAreaSeries*> bandEntries_;
    QCategoryAxis* x_;
    QCategoryAxis* y_;
};

}  // namespace dalvo::ui
