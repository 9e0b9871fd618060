#include "views/charts/chart_renderer.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <array>

#include "ui/common/twips.h"
#include "views/charts/marker_images.h"

namespace dalvo::ui {

namespace {

// Colours for series whose look no chart has set: those the age charts give
// ages 0 to 3, so that an age keeps its colour whichever chart drew it last
// and a series with a set look never meets another in the same colour.
const std::array<QColor, 4> kDefaultColours = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 255, 0),
                                               QColor(150, 0, 0)};
// An automatic marker, drawn only while the series has no line.
constexpr int kAutomaticMarkerTwips = 120;
// The marker of a series with more points than the plot has room for side by
// side: small and without outline, so that the fill colours still show where
// the points crowd.
constexpr int kCrowdedMarkerTwips = 75;
constexpr double kPlotPointsZ = 500;
// Share of an axis' span left free beyond either end tick.
constexpr double kRoomBeyondTicks = 0.02;

QColor defaultColour(int index)
{
    return kDefaultColours[static_cast<std::size_t>(index) % kDefaultColours.size()];
}

QFont chartFont(const ChartFont& font)
{
    QFont result(QString::fromStdString(font.name));
    result.setStyleHint(QFont::SansSerif);
    if (font.size > 0)
        result.setPointSizeF(font.size);
    return result;
}

Qt::Alignment legendAlignment(LegendLocation location)
{
    switch (location) {
        case LegendLocation::Top:
            return Qt::AlignTop;
        case LegendLocation::Left:
            return Qt::AlignLeft;
        case LegendLocation::Bottom:
            return Qt::AlignBottom;
        case LegendLocation::Right:
            break;
    }
    return Qt::AlignRight;
}

}  // namespace

ChartRenderer::ChartRenderer(QChart* chart, NumberLocale locale)
    : chart_(chart),
      plot_(new PlotPoints(chart)),
      locale_(std::move(locale)),
      x_(new QCategoryAxis(chart)),
      y_(new QCategoryAxis(chart))
{
    for (QCategoryAxis* axis : {x_, y_})
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    chart_->addAxis(x_, Qt::AlignBottom);
    chart_->addAxis(y_, Qt::AlignLeft);
    // Above the grid and the axes; the legend lies outside the plot area.
    plot_->setZValue(kPlotPointsZ);
    QObject::connect(chart_, &QChart::plotAreaChanged, chart_,
                     [plot = plot_](const QRectF& area) { plot->setPlotArea(area); });
}

ChartRenderer::Slot& ChartRenderer::slot(int index)
{
    while (static_cast<int>(slots_.size()) <= index) {
        Slot added;
        added.line = new QLineSeries(chart_);
        added.line->setPen(QPen(defaultColour(static_cast<int>(slots_.size())), 2));
        added.markers = new QScatterSeries(chart_);
        for (QXYSeries* series : std::initializer_list<QXYSeries*>{added.line, added.markers}) {
            chart_->addSeries(series);
            series->attachAxis(x_);
            series->attachAxis(y_);
        }
        slots_.push_back(added);
    }
    return slots_[static_cast<std::size_t>(index)];
}

QList<QPointF> ChartRenderer::points(int index) const
{
    const PlotPoints::Series* shown = plot_->find(index);
    return shown ? shown->points : QList<QPointF>();
}

bool ChartRenderer::showsLine(int index) const
{
    const PlotPoints::Series* shown = plot_->find(index);
    return shown && shown->line;
}

bool ChartRenderer::showsMarkers(int index) const
{
    const PlotPoints::Series* shown = plot_->find(index);
    return shown && !shown->marker.isNull();
}

QImage ChartRenderer::markerImage(int index) const
{
    const PlotPoints::Series* shown = plot_->find(index);
    return shown ? shown->marker : QImage();
}

QImage ChartRenderer::crowdedMarkerImage(int index) const
{
    const PlotPoints::Series* shown = plot_->find(index);
    return shown ? shown->crowdedMarker : QImage();
}

void ChartRenderer::renderSeries(const ChartState& state, int index, ValueSpan& xs, ValueSpan& ys)
{
    Slot& s = slot(index);
    PlotPoints::Series& plotted = plot_->series(index);
    const bool shown = index < state.seriesCount();
    plotted.points.clear();
    if (shown) {
        plotted.points.reserve(state.rowCount());
        const int xColumn = 2 * index + 1;
        for (int r = 1; r <= state.rowCount(); ++r) {
            const ChartCell& x = state.cell(r, xColumn);
            const ChartCell& y = state.cell(r, xColumn + 1);
            // A point needs both values; one the plot cannot place is left out.
            if (x.isNull || y.isNull || !std::isfinite(x.value) || !std::isfinite(y.value))
                continue;
            plotted.points.append(QPointF(x.value, y.value));
            xs.add(x.value);
            ys.add(y.value);
        }
    }

    const SeriesAppearance& look = state.series(2 * index + 1);
    const bool lineShown = shown && look.showLine;
    const bool markersShown = shown && (look.autoMarker ? !look.showLine : look.marker.visible);

    if (markersShown) {
        MarkerLook wanted;
        if (look.autoMarker) {
            wanted.size = twips(kAutomaticMarkerTwips);
            wanted.fill = defaultColour(index).rgb();
        } else {
            wanted.style = look.marker.style;
            wanted.size = std::max(twips(static_cast<int>(look.marker.size)), 1);
            wanted.fill = toColour(look.marker.fill).rgb();
            wanted.outline = toColour(look.marker.outline).rgb();
            wanted.outlineWidth = std::max(twips(static_cast<int>(look.marker.outlineWidth)), 1);
            wanted.outlined = look.marker.outlineStyle != PenStyle::Null;
        }
        if (!(wanted == s.look) || s.markerImage.isNull()) {
            s.markerImage =
                dalvo::ui::markerImage(wanted.style, wanted.size, wanted.size, QColor(wanted.fill),
                                       QColor(wanted.outline), wanted.outlineWidth, wanted.outlined);
            const int crowded = std::min(twips(kCrowdedMarkerTwips), wanted.size);
            s.crowdedMarkerImage = dalvo::ui::markerImage(wanted.style, crowded, crowded, QColor(wanted.fill),
                                                          QColor(), 0, false);
            // The legend shows the very picture the plot stamps.
            s.markers->setLightMarker(s.markerImage);
            s.markers->setMarkerSize(wanted.size);
            s.markers->setColor(QColor(wanted.fill));
            s.markers->setBorderColor(wanted.outlined ? QColor(wanted.outline) : QColor(wanted.fill));
            s.look = wanted;
        }
    }
    if (!lineShown && !markersShown)
        plotted.points.clear();
    plotted.marker = markersShown ? s.markerImage : QImage();
    plotted.crowdedMarker = markersShown ? s.crowdedMarkerImage : QImage();
    plotted.line = lineShown;
    plotted.lineColour = s.line->pen().color();

    const QString name = QString::fromStdString(state.columnLabel(2 * index + 1));
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{s.line, s.markers})
        if (series->name() != name)
            series->setName(name);
    // One legend entry per series: its markers when it has any, else its line.
    const QLegend* legend = chart_->legend();
    for (QLegendMarker* entry : legend->markers(s.line))
        entry->setVisible(lineShown && !markersShown);
    for (QLegendMarker* entry : legend->markers(s.markers)) {
        entry->setVisible(markersShown);
        if (entry->shape() != QLegend::MarkerShapeFromSeries)
            entry->setShape(QLegend::MarkerShapeFromSeries);
    }
}

void ChartRenderer::renderAxis(QCategoryAxis* axis, const AxisSettings& settings, const AxisScale& scale)
{
    // Qt redoes the chart's layout on every change, also to an equal value,
    // so only what differs is written.
    const QString title = QString::fromStdString(settings.titleText);
    if (axis->titleText() != title)
        axis->setTitleText(title);
    const QFont font = chartFont(settings.titleFont);
    if (axis->titleFont() != font)
        axis->setTitleFont(font);
    if (axis->isTitleVisible() != settings.titleVisible)
        axis->setTitleVisible(settings.titleVisible);
    const bool grid = settings.gridStyle != PenStyle::Null;
    if (axis->isGridLineVisible() != grid)
        axis->setGridLineVisible(grid);
    const QPen gridPen(toColour(settings.gridColour), 1, Qt::SolidLine);
    if (grid && axis->gridLinePen() != gridPen)
        axis->setGridLinePen(gridPen);

    QStringList labels;
    const std::vector<double> ticks = scale.ticks();
    for (double tick : ticks)
        labels << QString::fromStdString(formatGeneral(tick, locale_));
    if (axis->categoriesLabels() != labels || axis->startValue() != scale.minimum) {
        for (const QString& label : axis->categoriesLabels())
            axis->remove(label);
        axis->setStartValue(scale.minimum);
        for (std::size_t i = 0; i < ticks.size(); ++i)
            axis->append(labels[static_cast<int>(i)], ticks[i]);
    }
    // The plot clips at the axis ends, so a little room beyond the outer
    // ticks keeps the markers of the extreme points whole.
    const double room = (scale.maximum - scale.minimum) * kRoomBeyondTicks;
    if (axis->min() != scale.minimum - room || axis->max() != scale.maximum + room)
        axis->setRange(scale.minimum - room, scale.maximum + room);
}

void ChartRenderer::render(const ChartState& state)
{
    const QFont titleFont = chartFont(state.titleFont);
    if (chart_->titleFont() != titleFont)
        chart_->setTitleFont(titleFont);
    const QString title = QString::fromStdString(state.titleText);
    if (chart_->title() != title)
        chart_->setTitle(title);
    QLegend* legend = chart_->legend();
    // Visibility is set whatever it reads: an item of a hidden window reads
    // as hidden.
    legend->setVisible(state.showLegend);
    if (legend->alignment() != legendAlignment(state.legendLocation))
        legend->setAlignment(legendAlignment(state.legendLocation));

    ValueSpan xs, ys;
    const int count = std::max(state.seriesCount(), static_cast<int>(slots_.size()));
    for (int index = 0; index < count; ++index)
        renderSeries(state, index, xs, ys);

    if (state.uniformAxis) {
        ValueSpan both = xs;
        if (!ys.empty()) {
            both.add(ys.low());
            both.add(ys.high());
        }
        xs = ys = both;
    }
    // Every chart of the window runs along the steps of the run, so the
    // horizontal axis counts: its ticks are whole steps. Axes that share one
    // scale share those ticks.
    renderAxis(x_, state.axis(AxisId::X), xs.scale(TickValues::Whole));
    renderAxis(y_, state.axis(AxisId::Y), ys.scale(state.uniformAxis ? TickValues::Whole : TickValues::Round));
    // The plot area follows once the chart has laid out the new axes.
    plot_->setPlotArea(chart_->plotArea());
    plot_->setRanges(x_->min(), x_->max(), y_->min(), y_->max());
}

}  // namespace dalvo::ui
