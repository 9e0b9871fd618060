// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/charts/chart_renderer.h"

#include <QAreaSeries>
#include <QBrush>
#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>

#include "ui/common/twips.h"
#include "ui/charts/marker_images.h"

namespace dalvo::ui {

namespace {

// A marked series' marker: its size and black outline.
constexpr int kMarkerTwips = 200;
constexpr int kMarkerOutlineTwips = 5;
// The marker of a series with more points than the plot has room for side by
// side: small and without outline, so that the fill colours still show where
// the points crowd.
constexpr int kCrowdedMarkerTwips = 75;
constexpr double kPlotPointsZ = 500;
// Share of an axis' span left free beyond either end tick.
constexpr double kRoomBeyondTicks = 0.02;

// A series whose look no chart has set takes the colour the age charts give
// its age, so that an age keeps its colour whichever chart drew it last and a
// series with a set look never meets another in the same colour.
QColor defaultColour(int index)
{
    return toColour(ageColour(index));
}

// Every chart writes its titles in 12 point Arial.
QFont titleFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(12.0);
    return font;
}

// The description's texts are the program's own source texts.
QString translated(const std::string& text)
{
    return QCoreApplication::translate("dalvo::ChartDescription", text.c_str());
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
    // Every new chart replaces the axes' labels and grid lines; keeping the
    // scene's spatial index of its items up to date for them costs more at
    // the next paint than finding the few items without it.
    if (QGraphicsScene* scene = chart_->scene())
        scene->setItemIndexMethod(QGraphicsScene::NoIndex);
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

bool ChartRenderer::showsDashedLine(int index) const
{
    const PlotPoints::Series* shown = plot_->find(index);
    return shown && shown->line && shown->dashed;
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

const QList<PlotPoints::Guide>& ChartRenderer::guides() const
{
    return plot_->guides();
}

const QList<PlotPoints::Band>& ChartRenderer::bands() const
{
    return plot_->bands();
}

void ChartRenderer::renderBands(const ChartDescription& description)
{
    const AxisScale& time = description.time.scale;
    const AxisScale& value = description.value.scale;
    QList<PlotPoints::Band> bands;
    for (std::size_t index = 0; index < description.bands.size(); ++index) {
        const ChartBand& band = description.bands[index];
        const QColor colour = toColour(band.colour);
        PlotPoints::Band shown{{}, colour};
        for (const ChartPoint& point : band.lower)
            shown.outline << QPointF(time.position(point.x), value.position(point.y));
        for (auto point = band.upper.rbegin(); point != band.upper.rend(); ++point)
            shown.outline << QPointF(time.position(point->x), value.position(point->y));
        bands.append(shown);

        if (bandEntries_.size() <= index) {
            auto* entry = new QAreaSeries(new QLineSeries(chart_));
            entry->setParent(chart_);
            chart_->addSeries(entry);
            entry->attachAxis(x_);
            entry->attachAxis(y_);
            bandEntries_.push_back(entry);
        }
        QAreaSeries* entry = bandEntries_[index];
        const QString name = translated(band.name);
        if (entry->name() != name)
            entry->setName(name);
        if (entry->brush() != QBrush(colour))
            entry->setBrush(colour);
        if (entry->pen() != QPen(colour))
            entry->setPen(QPen(colour));
    }
    for (std::size_t index = 0; index < bandEntries_.size(); ++index) {
        const bool named = index < description.bands.size() && !description.bands[index].name.empty();
        for (QLegendMarker* entry : chart_->legend()->markers(bandEntries_[index]))
            entry->setVisible(named);
    }
    plot_->setBands(bands);
}

void ChartRenderer::renderSeries(const ChartDescription& description, int index)
{
    Slot& s = slot(index);
    PlotPoints::Series& plotted = plot_->series(index);
    const bool shown = index < static_cast<int>(description.series.size());
    plotted.points.clear();
    plotted.breaks.clear();
    if (!shown) {
        plotted.marker = plotted.crowdedMarker = QImage();
        plotted.line = plotted.dashed = plotted.thin = false;
        for (QXYSeries* series : std::initializer_list<QXYSeries*>{s.line, s.markers})
            for (QLegendMarker* entry : chart_->legend()->markers(series))
                entry->setVisible(false);
        return;
    }
    const ChartSeries& series = description.series[static_cast<std::size_t>(index)];
    const AxisScale& time = description.time.scale;
    const AxisScale& value = description.value.scale;
    plotted.points.resize(static_cast<qsizetype>(series.points.size()));
    QPointF* placed = plotted.points.data();
    for (const ChartPoint& point : series.points)
        *placed++ = QPointF(time.position(point.x), value.position(point.y));
    for (std::size_t start : series.breaks)
        plotted.breaks.append(static_cast<qsizetype>(start));

    const bool marked = series.look.marked;
    if (marked) {
        MarkerLook wanted;
        wanted.shape = series.look.shape;
        wanted.size = twips(kMarkerTwips);
        wanted.fill = toColour(series.look.fill).rgb();
        wanted.outline = QColor(Qt::black).rgb();
        wanted.outlineWidth = std::max(twips(kMarkerOutlineTwips), 1);
        wanted.outlined = true;
        if (!(wanted == s.look) || s.markerImage.isNull()) {
            s.markerImage =
                dalvo::ui::markerImage(wanted.shape, wanted.size, wanted.size, QColor(wanted.fill),
                                       QColor(wanted.outline), wanted.outlineWidth, wanted.outlined);
            const int crowded = std::min(twips(kCrowdedMarkerTwips), wanted.size);
            s.crowdedMarkerImage = dalvo::ui::markerImage(wanted.shape, crowded, crowded, QColor(wanted.fill),
                                                          QColor(), 0, false);
            // The legend shows the very picture the plot stamps.
            s.markers->setLightMarker(s.markerImage);
            s.markers->setMarkerSize(wanted.size);
            s.markers->setColor(QColor(wanted.fill));
            s.markers->setBorderColor(QColor(wanted.outline));
            s.look = wanted;
        }
    }
    plotted.marker = marked ? s.markerImage : QImage();
    plotted.crowdedMarker = marked ? s.crowdedMarkerImage : QImage();
    plotted.line = !marked;
    plotted.dashed = !marked && series.look.dashed;
    plotted.thin = !marked && series.look.thin;
    // A line whose chart chose its look is drawn in that look's colour; one
    // still in the default look keeps the colour of its place. The legend
    // draws the line as the plot does.
    const QColor colour = series.look == SeriesLook{} ? defaultColour(index) : toColour(series.look.fill);
    const QPen pen(colour, plotted.thin ? 1 : 2, plotted.dashed ? Qt::DashLine : Qt::SolidLine);
    if (!marked && s.line->pen() != pen)
        s.line->setPen(pen);
    plotted.lineColour = s.line->pen().color();

    const QString name = translated(series.name);
    for (QXYSeries* shownSeries : std::initializer_list<QXYSeries*>{s.line, s.markers})
        if (shownSeries->name() != name)
            shownSeries->setName(name);
    // One legend entry per named series: its markers when it has any, else
    // its line. A series without a name is one of several under the first's.
    const QLegend* legend = chart_->legend();
    const bool named = !series.name.empty();
    for (QLegendMarker* entry : legend->markers(s.line))
        entry->setVisible(named && !marked);
    for (QLegendMarker* entry : legend->markers(s.markers)) {
        entry->setVisible(named && marked);
        if (entry->shape() != QLegend::MarkerShapeFromSeries)
            entry->setShape(QLegend::MarkerShapeFromSeries);
    }
}

void ChartRenderer::renderAxis(QCategoryAxis* axis, const ChartAxis& description)
{
    // Qt redoes the chart's layout on every change, also to an equal value,
    // so only what differs is written.
    const QString title = translated(description.title);
    if (axis->titleText() != title)
        axis->setTitleText(title);
    const QFont font = titleFont();
    if (axis->titleFont() != font)
        axis->setTitleFont(font);
    if (!axis->isTitleVisible())
        axis->setTitleVisible(true);
    if (!axis->isGridLineVisible())
        axis->setGridLineVisible(true);
    const QPen gridPen(toColour(description.gridColour), 1, Qt::SolidLine);
    if (axis->gridLinePen() != gridPen)
        axis->setGridLinePen(gridPen);

    const AxisScale& scale = description.scale;
    QStringList labels;
    const std::vector<double> ticks = scale.ticks();
    for (const std::string& label : scale.tickLabels(locale_))
        labels << QString::fromStdString(label);
    const double start = scale.position(scale.minimum);
    if (axis->categoriesLabels() != labels || axis->startValue() != start) {
        for (const QString& label : axis->categoriesLabels())
            axis->remove(label);
        axis->setStartValue(start);
        for (std::size_t i = 0; i < ticks.size(); ++i)
            axis->append(labels[static_cast<int>(i)], scale.position(ticks[i]));
    }
    // The plot clips at the axis ends, so a little room beyond the outer
    // ticks keeps the markers of the extreme points whole.
    const double end = scale.position(scale.maximum);
    const double room = (end - start) * kRoomBeyondTicks;
    if (axis->min() != start - room || axis->max() != end + room)
        axis->setRange(start - room, end + room);
}

void ChartRenderer::render(const ChartDescription& description)
{
    const QFont font = titleFont();
    if (chart_->titleFont() != font)
        chart_->setTitleFont(font);
    const QString title = translated(description.title);
    if (chart_->title() != title)
        chart_->setTitle(title);
    QLegend* legend = chart_->legend();
    // Visibility is set whatever it reads: an item of a hidden window reads
    // as hidden.
    legend->setVisible(description.legend);
    const Qt::Alignment side = description.legendBelow ? Qt::AlignBottom : Qt::AlignRight;
    if (legend->alignment() != side)
        legend->setAlignment(side);

    // Before the series, so that the bands' legend entries come first.
    renderBands(description);
    const int count = std::max(static_cast<int>(description.series.size()), static_cast<int>(slots_.size()));
    for (int index = 0; index < count; ++index)
        renderSeries(description, index);

    renderAxis(x_, description.time);
    renderAxis(y_, description.value);

    QList<PlotPoints::Guide> guides;
    for (const GuideLine& guide : description.guides) {
        QString label =
            guide.caption.empty() ? QString() : translated(guide.caption).arg(QString::fromStdString(guide.number));
        if (!guide.period.empty())
            label = label.arg(QString::fromStdString(guide.period));
        guides.append({description.value.scale.position(guide.value), toColour(guide.colour), label});
    }
    plot_->setGuides(guides);
    // The plot area follows once the chart has laid out the new axes.
    plot_->setPlotArea(chart_->plotArea());
    plot_->setRanges(x_->min(), x_->max(), y_->min(), y_->max());
}

}  // namespace dalvo::ui
