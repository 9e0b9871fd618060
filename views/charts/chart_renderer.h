// Shows MSChart1's state with Qt Charts: title, axes and legend by Qt, the points by our own plot item.
#pragma once

#include <QImage>
#include <vector>

#include "model/axis_scale.h"
#include "model/number_text.h"
#include "views/charts/chart_state.h"
#include "views/charts/plot_points.h"

QT_BEGIN_NAMESPACE
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

    // Brings the chart in line with the state. Marker pictures are redrawn
    // only when their look changed.
    void render(const ChartState& state);

    // What the plot shows of column pair `index` (0 for columns 1 and 2):
    // its points in the axes' values (none when the series is not drawn),
    // whether they are joined by a line, and the marker stamped on each.
    QList<QPointF> points(int index) const;
    bool showsLine(int index) const;
    bool showsMarkers(int index) const;
    QImage markerImage(int index) const;
    // The marker stamped instead when the series' points crowd the plot.
    QImage crowdedMarkerImage(int index) const;
    QCategoryAxis* axisX() const { return x_; }
    QCategoryAxis* axisY() const { return y_; }

private:
    struct MarkerLook {
        MarkerStyle style = MarkerStyle::FilledSquare;
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
    void renderSeries(const ChartState& state, int index, ValueSpan& xs, ValueSpan& ys);
    void renderAxis(QCategoryAxis* axis, const AxisSettings& settings, const AxisScale& scale);

    QChart* chart_;
    PlotPoints* plot_;
    NumberLocale locale_;
    std::vector<Slot> slots_;
    QCategoryAxis* x_;
    QCategoryAxis* y_;
};

}  // namespace dalvo::ui
