// Shows MSChart1's state with Qt Charts: a line and a marker series per column pair over two linear axes.
#pragma once

#include <QImage>
#include <vector>

#include "model/number_text.h"
#include "model/axis_scale.h"
#include "views/charts/chart_state.h"

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

    // Brings the chart in line with the state. Points are replaced series by
    // series in one go, marker pictures are redrawn only when their look
    // changed, and hidden marker series keep their points.
    void render(const ChartState& state);

    // The series of column pair `index` (0 for columns 1 and 2), created on
    // first use; for looking at what is on screen.
    QLineSeries* line(int index);
    QScatterSeries* markers(int index);
    // Whether column pair `index` shows its line or its markers now.
    bool showsLine(int index) const;
    bool showsMarkers(int index) const;
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
    struct Slot {
        QLineSeries* line = nullptr;
        QScatterSeries* markers = nullptr;
        MarkerLook look;
    };

    Slot& slot(int index);
    void renderSeries(const ChartState& state, int index, ValueSpan& xs, ValueSpan& ys);
    void renderAxis(QCategoryAxis* axis, const AxisSettings& settings, const AxisScale& scale);

    QChart* chart_;
    NumberLocale locale_;
    std::vector<Slot> slots_;
    QCategoryAxis* x_;
    QCategoryAxis* y_;
};

}  // namespace dalvo::ui
