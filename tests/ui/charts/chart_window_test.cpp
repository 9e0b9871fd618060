// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/charts/chart_window.h"

#include <gtest/gtest.h>

#include <QAbstractSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFile>
#include <QLegend>
#include <QLegendMarker>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>
#include <optional>

#include "app/window_slot.h"
#include "ui/common/page_printer.h"
#include "ui/common/messages.h"
#include "ui/common/twips.h"
#include "support/default_run.h"
#include "support/scripted_prompts.h"
#include "tests/support/input_driver.h"

namespace dalvo::ui {
namespace {


QStringList visibleLegendEntries(QChart* chart)
{
    QStringList names;
    for (QLegendMarker* entry : chart->legend()->markers())
        if (entry->isVisible())
            names << entry->label();
    return names;
}

// The colours the age charts give ages 0 to 3.
const QColor kAgeColours[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 255, 0), QColor(150, 0, 0)};

// Where an item of the chart lies in the view's picture.
QRect inView(QChartView* view, const QRectF& inChart)
{
    return view->mapFromScene(view->chart()->mapToScene(inChart)).boundingRect();
}

// The pixels of exactly `colour` inside `area`, as a picture cut to their
// bounding box: white where the colour is, black elsewhere.
QImage colourMask(const QImage& image, const QRect& area, const QColor& colour)
{
    QRect box;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (image.pixel(x, y) == colour.rgb())
                box |= QRect(x, y, 1, 1);
    QImage mask(box.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    mask.fill(Qt::black);
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.pixel(x, y) == colour.rgb())
                mask.setPixel(x - box.left(), y - box.top(), qRgb(255, 255, 255));
    return box.isEmpty() ? QImage() : mask;
}

// Pixels that are white in both masks over those white in either, the masks
// laid over each other at their top left corners.
double overlap(const QImage& a, const QImage& b)
{
    int both = 0, either = 0;
    for (int y = 0; y < std::max(a.height(), b.height()); ++y)
        for (int x = 0; x < std::max(a.width(), b.width()); ++x) {
            const bool inA = a.valid(x, y) && a.pixel(x, y) == qRgb(255, 255, 255);
            const bool inB = b.valid(x, y) && b.pixel(x, y) == qRgb(255, 255, 255);
            both += inA && inB;
            either += inA || inB;
        }
    return either ? static_cast<double>(both) / either : 0.0;
}

// Pixels of `area` within a few steps of `colour` in each component.
int pixelsNear(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) <= 12 && std::abs(c.green() - colour.green()) <= 12 &&
                     std::abs(c.blue() - colour.blue()) <= 12;
        }
    return count;
}

// A shown chart window over four projections from the defaults, opened the
// way the main window's "Graph" opens it.
class ChartWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        window.graph();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QPushButton* button(const char* name)
    {
        return input::findControl<QPushButton>(window, QString::fromLatin1(name));
    }
    void click(const char* name) { input::click(button(name)); }
    QChart* chart() { return window.chartView()->chart(); }

    ScriptedPrompts prompts;
    DefaultRun run{4};
    ChartWindow window{run.model, prompts};
};

TEST_F(ChartWindowTest, WindowAndChartFollowTheTwipPlan)
{
    EXPECT_EQ(window.objectName(), "dalvofig");
    EXPECT_EQ(window.windowTitle(), "Graph");
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_TRUE(window.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(window.chartView()->objectName(), "MSChart1");
    const QPoint screenCentre = window.screen()->geometry().center();
    EXPECT_LE((window.geometry().center() - screenCentre).manhattanLength(), 2);
}

TEST_F(ChartWindowTest, ButtonRowInScreenOrder)
{
    struct Case {
        const char* name;
        bool pointingHand;
    };
    const Case cases[] = {
        {"Command1", true},  {"Command2", true}, {"Command3", true}, {"Command4", true},
        {"Command8", false}, {"Command7", true}, {"Command6", true}, {"Command5", true},
    };
    int rightOfPrevious = 0;
    const QList<QPushButton*> created = window.findChildren<QPushButton*>();
    ASSERT_EQ(created.size(), std::size(cases));
    QWidget* inTabOrder = button("Command1");
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        QPushButton* b = button(c.name);
        EXPECT_EQ(created[static_cast<int>(i)], b);
        EXPECT_EQ(inTabOrder, b);
        inTabOrder = inTabOrder->nextInFocusChain();
        // One row under the chart, left to right.
        EXPECT_GE(b->x(), rightOfPrevious);
        EXPECT_EQ(b->y(), button("Command1")->y());
        EXPECT_GT(b->y(), window.chartView()->geometry().bottom());
        rightOfPrevious = b->geometry().right();
        EXPECT_EQ(b->font().family(), "Times New Roman");
        EXPECT_EQ(b->font().pointSizeF(), 12.0);
        EXPECT_FALSE(b->font().bold());
        EXPECT_EQ(b->testAttribute(Qt::WA_SetCursor), c.pointingHand);
        EXPECT_EQ(b->cursor().shape(), c.pointingHand ? Qt::BitmapCursor : Qt::ArrowCursor);
    }
}

TEST_F(ChartWindowTest, EachButtonDrawsItsChart)
{
    struct Case {
        const char* button;
        QString title, horizontalTitle, verticalTitle;
        bool legend;
        int seriesWithPoints;
        int points;
    };
    const Case cases[] = {
        {"Command1", "Total population size", "time", "N(t)", false, 1, 5},
        {"Command2", "Growth rate", "time", "N(t+1)/N(t)", false, 1, 4},
        {"Command3", "Age structure", "time", "N(t)", true, 4, 5},
        {"Command4", "Change rate dN(t)", "time", "dN(t)", false, 1, 4},
        {"Command8", "Age distribution", "Time", "Proportion", true, 4, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        click(c.button);
        EXPECT_EQ(chart()->title(), c.title);
        EXPECT_EQ(window.renderer().axisX()->titleText(), c.horizontalTitle);
        EXPECT_EQ(window.renderer().axisY()->titleText(), c.verticalTitle);
        EXPECT_EQ(chart()->legend()->isVisible(), c.legend);
        for (int s = 0; s < 4; ++s) {
            const bool drawn = s < c.seriesWithPoints;
            EXPECT_EQ(window.renderer().showsMarkers(s), drawn) << s;
            EXPECT_EQ(window.renderer().points(s).size(), drawn ? c.points : 0) << s;
            EXPECT_FALSE(window.renderer().showsLine(s)) << s;
        }
    }
}

TEST_F(ChartWindowTest, RenderedPointsAreTheChartsCells)
{
    click("Command2");
    const QList<QPointF> expected = {{0, 0.5}, {1, 2}, {2, 1.5}, {3, static_cast<double>(12.5f / 15.0f)}};
    EXPECT_EQ(window.renderer().points(0), expected);
    click("Command8");
    QList<QPointF> ageTwo;
    for (double y : {0.0, 0.0, 0.5, 0.0, 0.2})
        ageTwo.append({static_cast<double>(ageTwo.size()), y});
    const QList<QPointF> shown = window.renderer().points(2);
    ASSERT_EQ(shown.size(), ageTwo.size());
    for (int i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].x(), ageTwo[i].x());
        EXPECT_NEAR(shown[i].y(), ageTwo[i].y(), 1e-15);
    }
}

// The points are drawn by the window itself; Qt Charts' own mapping of the
// same axes says where each one belongs on screen.
TEST_F(ChartWindowTest, MarkersAreDrawnWhereTheAxesPlaceTheirValues)
{
    for (const char* chartButton : {"Command1", "Command2", "Command3", "Command4", "Command8"}) {
        SCOPED_TRACE(chartButton);
        click(chartButton);
        QCoreApplication::processEvents();
        const QImage shown = window.chartView()->grab().toImage();
        QAbstractSeries* axesOfTheChart = chart()->series().first();
        const auto inView = [&](const QPointF& value) {
            const QPointF inChart = chart()->mapToPosition(value, axesOfTheChart);
            return window.chartView()->mapFromScene(chart()->mapToScene(inChart));
        };
        int checked = 0;
        for (int s = 0; window.renderer().showsMarkers(s); ++s) {
            const QImage marker = window.renderer().markerImage(s);
            const QColor fill = marker.pixelColor(marker.width() / 2, marker.height() / 2);
            for (const QPointF& value : window.renderer().points(s)) {
                // A later series' marker may cover this one.
                bool covered = false;
                for (int later = s + 1; window.renderer().showsMarkers(later); ++later)
                    for (const QPointF& other : window.renderer().points(later))
                        covered =
                            covered || (inView(other) - inView(value)).manhattanLength() < marker.width();
                if (covered)
                    continue;
                EXPECT_EQ(shown.pixelColor(inView(value)).rgb(), fill.rgb())
                    << "series " << s << " at (" << value.x() << ", " << value.y() << ")";
                ++checked;
            }
        }
        EXPECT_GE(checked, 4);
    }
}

TEST_F(ChartWindowTest, GraphDrawsLinesUntilAChartGivesTheSeriesMarkers)
{
    for (int s = 0; s < 4; ++s) {
        EXPECT_TRUE(window.renderer().showsLine(s)) << s;
        EXPECT_EQ(window.renderer().points(s).size(), 5) << s;
        EXPECT_FALSE(window.renderer().showsMarkers(s)) << s;
    }
    EXPECT_EQ(visibleLegendEntries(chart()), QStringList({"age  0", "age  1", "age  2", "age  3"}));

    click("Command3");
    click("Command1");
    window.graph();
    for (int s = 0; s < 4; ++s) {
        EXPECT_FALSE(window.renderer().showsLine(s)) << s;
        EXPECT_TRUE(window.renderer().showsMarkers(s)) << s;
        EXPECT_FALSE(window.renderer().markerImage(s).isNull()) << s;
    }
    EXPECT_EQ(visibleLegendEntries(chart()), QStringList({"age  0", "age  1", "age  2", "age  3"}));
}

TEST_F(ChartWindowTest, MarkerPicturesCarryTheSeriesFill)
{
    click("Command3");
    const QColor fills[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 255, 0), QColor(150, 0, 0)};
    for (int s = 0; s < 4; ++s) {
        const QImage marker = window.renderer().markerImage(s);
        ASSERT_FALSE(marker.isNull()) << s;
        EXPECT_EQ(marker.width(), twips(200)) << s;
        const QPoint middle(marker.width() / 2, marker.height() / 2);
        EXPECT_EQ(marker.pixelColor(middle).rgb(), fills[s].rgb()) << s;
    }
    // The square fills its corners; the triangles and the diamond leave some empty.
    const QImage square = window.renderer().markerImage(0);
    EXPECT_GT(square.pixelColor(0, 0).alpha(), 128);
    for (int s = 1; s < 4; ++s) {
        const QImage shape = window.renderer().markerImage(s);
        const int last = shape.width() - 1;
        const int emptyCorners =
            (shape.pixelColor(0, 0).alpha() == 0) + (shape.pixelColor(last, 0).alpha() == 0) +
            (shape.pixelColor(0, last).alpha() == 0) + (shape.pixelColor(last, last).alpha() == 0);
        EXPECT_GE(emptyCorners, 2) << s;
    }
    // Upward and downward triangles point opposite ways.
    const QImage up = window.renderer().markerImage(1);
    const QImage down = window.renderer().markerImage(2);
    const int middleX = up.width() / 2, last = up.height() - 1;
    EXPECT_GT(up.pixelColor(0, last).alpha(), 128);
    EXPECT_EQ(down.pixelColor(0, last).alpha(), 0);
    EXPECT_GT(down.pixelColor(middleX, last).alpha(), 0);
}

TEST_F(ChartWindowTest, LegendShowsTheMarkerPicturesThePlotStamps)
{
    for (const char* chartButton : {"Command3", "Command8"}) {
        SCOPED_TRACE(chartButton);
        click(chartButton);
        QCoreApplication::processEvents();
        const QImage shown = window.chartView()->grab().toImage();
        const QRect legend = inView(window.chartView(), chart()->legend()->geometry());
        for (int s = 0; s < 4; ++s) {
            SCOPED_TRACE(s);
            const QImage marker = window.renderer().markerImage(s);
            const QImage inPlot = colourMask(marker, marker.rect(), kAgeColours[s]);
            const QImage inLegend = colourMask(shown, legend, kAgeColours[s]);
            ASSERT_FALSE(inPlot.isNull());
            ASSERT_FALSE(inLegend.isNull()) << "no legend entry in the series colour";
            EXPECT_NEAR(inLegend.width(), inPlot.width(), 1);
            EXPECT_NEAR(inLegend.height(), inPlot.height(), 1);
            EXPECT_GT(overlap(inLegend, inPlot), 0.8);
        }
        // The downward triangle of age 2 is wide at its top row, a point at its bottom.
        const QImage down = colourMask(shown, legend, kAgeColours[2]);
        int top = 0, bottom = 0;
        for (int x = 0; x < down.width(); ++x) {
            top += down.pixel(x, 0) == qRgb(255, 255, 255);
            bottom += down.pixel(x, down.height() - 1) == qRgb(255, 255, 255);
        }
        EXPECT_GT(top, 3 * bottom);
    }
}

TEST_F(ChartWindowTest, EachAgeKeepsItsColourWhicheverChartDrewItLast)
{
    struct Case {
        const char* name;
        std::vector<const char*> clicks;
        bool graphAfter;
    };
    const Case cases[] = {
        {"Graph of a new chart", {}, true},
        {"Graph after Population size", {"Command1"}, true},
        {"Graph after Growth rate and Change rate", {"Command2", "Command4"}, true},
        {"Age structure", {"Command3"}, false},
        {"Age distribution after Population size", {"Command1", "Command8"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DefaultRun own(4);
        ChartWindow fresh(own.model, prompts);
        fresh.graph();
        fresh.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fresh));
        for (const char* name : c.clicks)
            QTest::mouseClick(fresh.findChild<QPushButton*>(name), Qt::LeftButton);
        if (c.graphAfter)
            fresh.graph();
        QCoreApplication::processEvents();
        const QImage shown = fresh.chartView()->grab().toImage();
        const QRect plot = inView(fresh.chartView(), fresh.chartView()->chart()->plotArea());
        for (int s = 0; s < 4; ++s) {
            SCOPED_TRACE(s);
            EXPECT_GE(pixelsNear(shown, plot, kAgeColours[s]), 12);
        }
    }
}

TEST(ChartWindowTimeAxisTest, TimeIsCountedInWholeSteps)
{
    ScriptedPrompts prompts;
    const NumberLocale locale = numberLocaleOfSystem();
    struct Case {
        const char* name;
        int projections;
        void (ChartWindow::*draw)();
        std::vector<double> ticks;
    };
    const Case cases[] = {
        {"growth rate, 1 step", 1, &ChartWindow::showGrowthRate, {-1, 0, 1}},
        {"growth rate, 2 steps", 2, &ChartWindow::showGrowthRate, {0, 1}},
        {"growth rate, 4 steps", 4, &ChartWindow::showGrowthRate, {0, 1, 2, 3}},
        {"change rate, 4 steps", 4, &ChartWindow::showChangeRate, {0, 1, 2, 3}},
        {"change rate, 7 steps", 7, &ChartWindow::showChangeRate, {0, 1, 2, 3, 4, 5, 6}},
        {"population, 1 step", 1, &ChartWindow::showPopulationSize, {0, 1}},
        {"age structure, 3 steps", 3, &ChartWindow::showAgeStructure, {0, 1, 2, 3}},
        {"age distribution, 12 steps", 12, &ChartWindow::showAgeDistribution, {0, 2, 4, 6, 8, 10, 12}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DefaultRun run(c.projections);
        ChartWindow window(run.model, prompts);
        window.graph();
        (window.*c.draw)();
        QStringList expected;
        for (double tick : c.ticks)
            expected << QString::fromStdString(formatGeneral(tick, locale));
        EXPECT_EQ(window.renderer().axisX()->categoriesLabels(), expected);
    }
}

TEST(ChartWindowLongRunTest, CrowdedMarkersKeepTheSeriesColours)
{
    ScriptedPrompts prompts;
    // A population at its stable ages from the start: four level bands.
    DefaultRun run;
    ASSERT_TRUE(run.model.startNewRun(LeslieMatrix{{1, 0, 0, 0}, {0.5, 0.5, 0.5}}, {8, 4, 2, 1}).ok());
    run.project(kLastStep);
    ChartWindow window(run.model, prompts);
    window.graph();
    window.showAgeStructure();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    const QImage shown = window.chartView()->grab().toImage();
    const QRect plot = inView(window.chartView(), window.chartView()->chart()->plotArea());
    // Each age is a band of 1001 points across the plot: seen as its fill
    // colour, not as the black of the marker outlines.
    for (int s = 0; s < 4; ++s) {
        SCOPED_TRACE(s);
        const QImage crowded = window.renderer().crowdedMarkerImage(s);
        EXPECT_LT(crowded.width(), window.renderer().markerImage(s).width());
        EXPECT_GE(pixelsNear(shown, plot, kAgeColours[s]), plot.width() * 2);
    }

    // A short run keeps the full markers with their outlines.
    DefaultRun shortRun(4);
    ChartWindow fits(shortRun.model, prompts);
    fits.showAgeStructure();
    fits.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fits));
    QCoreApplication::processEvents();
    const QImage few = fits.chartView()->grab().toImage();
    const QPointF first = fits.chartView()->chart()->mapToPosition(
        fits.renderer().points(0).first(), fits.chartView()->chart()->series().first());
    const QPoint at = fits.chartView()->mapFromScene(fits.chartView()->chart()->mapToScene(first));
    const int half = fits.renderer().markerImage(0).width() / 2;
    EXPECT_EQ(few.pixelColor(at).rgb(), kAgeColours[0].rgb());
    EXPECT_LT(qGray(few.pixel(at + QPoint(half, 0))), 100) << "the black outline at the marker's edge";
}

TEST_F(ChartWindowTest, AgeDistributionAfterPopulationSizeShowsTheLabelsLeftBefore)
{
    click("Command1");
    EXPECT_FALSE(chart()->legend()->isVisible());
    click("Command8");
    EXPECT_TRUE(chart()->legend()->isVisible());
    EXPECT_EQ(chart()->legend()->alignment(), Qt::AlignRight);
    EXPECT_EQ(visibleLegendEntries(chart()), QStringList({"age  0", "age  1", "age  2", "age  3"}));
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(window.renderer().points(s).size(), 5) << s;
}

TEST_F(ChartWindowTest, TitlesAndGridLook)
{
    click("Command1");
    for (const QFont& font : {chart()->titleFont(), window.renderer().axisX()->titleFont(),
                              window.renderer().axisY()->titleFont()}) {
        EXPECT_EQ(font.family(), "Arial");
        EXPECT_EQ(font.pointSizeF(), 12.0);
    }
    EXPECT_TRUE(window.renderer().axisY()->isGridLineVisible());
    EXPECT_EQ(window.renderer().axisY()->gridLinePen().color(), QColor(Qt::black));
    EXPECT_EQ(window.renderer().axisY()->gridLinePen().style(), Qt::SolidLine);
}

TEST_F(ChartWindowTest, AxesFollowTheDataWithRegionalNumbers)
{
    const NumberLocale locale = numberLocaleOfSystem();
    auto labels = [&](std::initializer_list<double> values) {
        QStringList result;
        for (double value : values)
            result << QString::fromStdString(formatGeneral(value, locale));
        return result;
    };
    struct Case {
        const char* button;
        QStringList x, y;
    };
    const Case cases[] = {
        {"Command1", labels({0, 1, 2, 3, 4}), labels({4, 6, 8, 10, 12, 14, 16})},
        {"Command2", labels({0, 1, 2, 3}), labels({0.5, 1, 1.5, 2})},
        {"Command8", labels({0, 1, 2, 3, 4}), labels({0, 0.2, 0.4, 0.6, 0.8, 1})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        click(c.button);
        EXPECT_EQ(window.renderer().axisX()->categoriesLabels(), c.x);
        EXPECT_EQ(window.renderer().axisY()->categoriesLabels(), c.y);
        // The axes reach a little beyond their end ticks, so that no marker is cut.
        for (QCategoryAxis* axis : {window.renderer().axisX(), window.renderer().axisY()}) {
            const double first = axis->startValue();
            const double last = axis->endValue(axis->categoriesLabels().last());
            EXPECT_LT(axis->min(), first);
            EXPECT_GT(axis->max(), last);
            EXPECT_NEAR(first - axis->min(), (last - first) * 0.02, 1e-9);
        }
    }
}

TEST(ChartWindowEndsTest, ChartsAtNoStepAndAtTheLastStep)
{
    ScriptedPrompts prompts;
    struct Case {
        const char* name;
        int stepCount;
        void (ChartWindow::*draw)();
        int points;
    };
    const Case cases[] = {
        {"growth rate, no step", 0, &ChartWindow::showGrowthRate, 0},
        {"change rate, no step", 0, &ChartWindow::showChangeRate, 0},
        {"population, no step", 0, &ChartWindow::showPopulationSize, 1},
        {"age distribution, no step", 0, &ChartWindow::showAgeDistribution, 1},
        {"population, last step", kLastStep, &ChartWindow::showPopulationSize, 1001},
        {"change rate, last step", kLastStep, &ChartWindow::showChangeRate, 1000},
        {"age structure, last step", kLastStep, &ChartWindow::showAgeStructure, 1001},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DefaultRun run(c.stepCount);
        ChartWindow window(run.model, prompts);
        window.graph();
        (window.*c.draw)();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(window.renderer().points(0).size(), c.points);
        if (window.shownChart().series.size() == 4) {
            EXPECT_EQ(window.renderer().points(3).size(), c.points);
        }
        EXPECT_FALSE(window.chartView()->grab().isNull());
        if (c.points == 0) {
            EXPECT_EQ(window.renderer().axisX()->startValue(), 0.0);
            EXPECT_EQ(window.renderer().axisX()->categoriesLabels(), QStringList({"0", "1"}));
        }
    }
}

TEST_F(ChartWindowTest, PrintPageWithoutPrinterSavesAPdfAndKeepsTheChart)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a printer";
    click("Command3");
    QTemporaryDir folder;
    const QString path = folder.filePath("chart.pdf");
    prompts.fileNames = {path};
    click("Command7");
    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_TRUE(prompts.questions.front().contains("No printer")) << prompts.questions.front().toStdString();
    EXPECT_EQ(prompts.askers.front(), &window);
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));
    EXPECT_EQ(chart()->title(), "Age structure");
    EXPECT_EQ(window.renderer().points(3).size(), 5);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ChartWindowTest, GoBackAndQuitOnlyAskTheProgramAndKeepTheChart)
{
    struct Case {
        const char* button;  // none: the Escape key
        void (ChartWindow::*signal)();
    };
    const Case cases[] = {{"Command6", &ChartWindow::goBackRequested},
                          {"Command5", &ChartWindow::quitRequested},
                          {nullptr, &ChartWindow::goBackRequested}};
    click("Command4");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button ? c.button : "Escape");
        QSignalSpy asked(&window, c.signal);
        QSignalSpy back(&window, &ChartWindow::goBackRequested);
        QSignalSpy quit(&window, &ChartWindow::quitRequested);
        if (c.button)
            click(c.button);
        else
            QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
        EXPECT_EQ(asked.count(), 1);
        EXPECT_EQ(back.count() + quit.count(), 1);
        EXPECT_EQ(chart()->title(), "Change rate dN(t)");
        EXPECT_EQ(window.renderer().points(0).size(), 4);
    }
}

TEST(ChartWindowLifeTest, CloseBoxDestroysTheWindowAndTheNextGraphStartsAfresh)
{
    ScriptedPrompts prompts;
    DefaultRun run(4);
    app::WindowSlot<ChartWindow> slot([&] { return new ChartWindow(run.model, prompts); }, [] {});

    ChartWindow& first = slot.get();
    first.graph();
    first.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
    first.showAgeStructure();
    QPointer<ChartWindow> gone(&first);
    QSignalSpy closed(&first, &ChartWindow::closeBoxUsed);
    first.close();
    EXPECT_EQ(closed.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull());
    EXPECT_EQ(slot.existing(), nullptr);

    ChartWindow& second = slot.get();
    second.graph();
    // A new chart: Graph's series have the chart's own look, not the markers
    // the closed window had given them.
    for (int s = 0; s < 4; ++s) {
        EXPECT_TRUE(second.renderer().showsLine(s)) << s;
        EXPECT_FALSE(second.renderer().showsMarkers(s)) << s;
    }
    EXPECT_EQ(second.chartView()->chart()->title(), "Age structure");
}

// Where value `y` of the value axis lies in the view's picture.
int rowInView(ChartWindow& window, double y)
{
    QChart* chart = window.chartView()->chart();
    const QPointF inChart = chart->mapToPosition(QPointF(0, y), chart->series().first());
    return window.chartView()->mapFromScene(chart->mapToScene(inChart)).y();
}

// Runs of `colour` along row `y` of the plot, or the row above or below it
// where the smoothed line lies most: a dashed line has several separated by
// gaps, a solid one a single run.
int runsAlongRow(const QImage& image, const QRect& plot, int y, const QColor& colour)
{
    int most = 0;
    for (int row = y - 1; row <= y + 1; ++row) {
        int runs = 0;
        bool inRun = false;
        for (int x = plot.left() + 2; x < plot.right() - 2; ++x) {
            const QColor c = image.pixelColor(x, row);
            const bool near = std::abs(c.red() - colour.red()) <= 40 &&
                              std::abs(c.green() - colour.green()) <= 40 &&
                              std::abs(c.blue() - colour.blue()) <= 40;
            runs += near && !inRun;
            inRun = near;
        }
        most = std::max(most, runs);
    }
    return most;
}

TEST_F(ChartWindowTest, GrowthRateDrawsLambdaAsADashedLabelledLine)
{
    window.setOutlookForTesting(outlookWithLambda(1.2197724));
    click("Command2");
    QCoreApplication::processEvents();
    const QString expectedLabel =
        QStringLiteral("λ = ") + QString::fromStdString(formatSignificant(1.2197724, 6, numberLocaleOfSystem()));
    ASSERT_EQ(window.renderer().guides().size(), 1);
    EXPECT_EQ(window.renderer().guides()[0].label, expectedLabel);
    EXPECT_TRUE(expectedLabel.startsWith(QStringLiteral("λ = 1")) && expectedLabel.endsWith("21977"));

    const QImage shown = window.chartView()->grab().toImage();
    const QRect plot = inView(window.chartView(), chart()->plotArea());
    const int lambdaRow = rowInView(window, 1.2197724);
    ASSERT_TRUE(plot.contains(plot.center().x(), lambdaRow));
    const QColor guide(80, 80, 80);
    EXPECT_GE(runsAlongRow(shown, plot, lambdaRow, guide), 10) << "a dashed line at λ";
    // Away from λ the plot has no such line.
    EXPECT_EQ(runsAlongRow(shown, plot, rowInView(window, 1.75), guide), 0);
    // The label sits above the line's right end: dark text pixels there, none
    // at the left end.
    const QRect rightEnd(plot.right() - plot.width() / 4, lambdaRow - 30, plot.width() / 4, 26);
    const QRect leftEnd(plot.left() + 20, lambdaRow - 30, plot.width() / 4, 26);
    EXPECT_GT(pixelsNear(shown, rightEnd, guide), 15);
    EXPECT_EQ(pixelsNear(shown, leftEnd, guide), 0);

    // With λ = 0 or no outlook there is no line.
    for (std::optional<LongTermOutlook> none : {std::optional(outlookWithLambda(0.0)), std::optional<LongTermOutlook>()}) {
        window.setOutlookForTesting(none);
        QCoreApplication::processEvents();
        EXPECT_TRUE(window.renderer().guides().isEmpty());
        const QImage without = window.chartView()->grab().toImage();
        EXPECT_EQ(runsAlongRow(without, plot, rowInView(window, 1.2197724), guide), 0);
    }
}

TEST_F(ChartWindowTest, TheValueAxisReachesLambda)
{
    window.setOutlookForTesting(outlookWithLambda(3.7));
    click("Command2");
    const QStringList labels = window.renderer().axisY()->categoriesLabels();
    EXPECT_GE(window.renderer().axisY()->endValue(labels.last()), 3.7);
    EXPECT_GT(window.renderer().axisY()->max(), 3.7);
}

TEST_F(ChartWindowTest, AgeDistributionDrawsTheStableSharesInTheAgeColours)
{
    click("Command8");
    window.setOutlookForTesting(outlookWithLambda(1.2));
    QCoreApplication::processEvents();
    const QImage shown = window.chartView()->grab().toImage();
    const QRect plot = inView(window.chartView(), chart()->plotArea());
    const double shares[] = {0.4, 0.3, 0.2, 0.1};
    for (int a = 0; a < 4; ++a) {
        SCOPED_TRACE(a);
        EXPECT_GE(runsAlongRow(shown, plot, rowInView(window, shares[a]), kAgeColours[a]), 10);
    }
}

TEST_F(ChartWindowTest, LogScaleBoxOnlyWithThePopulationAndAgeStructureCharts)
{
    QCheckBox* box = window.findChild<QCheckBox*>("logScaleBox");
    ASSERT_NE(box, nullptr);
    struct Case {
        const char* button;
        bool offered;
    };
    const Case cases[] = {{"Command1", true}, {"Command2", false}, {"Command3", true},
                          {"Command4", false}, {"Command8", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        click(c.button);
        EXPECT_EQ(box->isVisible(), c.offered);
    }
    window.graph();
    EXPECT_TRUE(box->isVisible());
    // In free space: over none of the window's other controls.
    const QRect inWindow(box->mapTo(&window, QPoint(0, 0)), box->size());
    for (QWidget* other : window.findChildren<QPushButton*>())
        EXPECT_FALSE(inWindow.intersects(other->geometry())) << other->objectName().toStdString();
    EXPECT_TRUE(window.chartView()->geometry().contains(inWindow));
}

TEST_F(ChartWindowTest, LogScaleAxisHasPowersOfTenAndLeavesZerosOut)
{
    const NumberLocale locale = numberLocaleOfSystem();
    click("Command3");
    QCheckBox* box = window.logScaleBox();
    box->setChecked(true);
    QStringList powers = {QStringLiteral("10⁰"), QStringLiteral("10¹")};
    EXPECT_EQ(window.renderer().axisY()->categoriesLabels(), powers);
    // Age 3 had individuals at step 3 only; its zeros are not on the plot.
    ASSERT_EQ(window.renderer().points(3).size(), 1);
    EXPECT_EQ(window.renderer().points(3)[0].x(), 3.0);
    EXPECT_NEAR(window.renderer().points(3)[0].y(), std::log10(2.5), 1e-12);

    click("Command1");
    EXPECT_TRUE(box->isChecked());
    powers << QStringLiteral("10²");
    EXPECT_EQ(window.renderer().axisY()->categoriesLabels(), powers);
    EXPECT_EQ(window.renderer().points(0).size(), 5);

    box->setChecked(false);
    EXPECT_EQ(window.renderer().axisY()->categoriesLabels().first(), QString::fromStdString(formatGeneral(4, locale)));
    // The growth-rate chart never has a logarithmic axis.
    box->setChecked(true);
    click("Command2");
    EXPECT_EQ(window.renderer().axisY()->categoriesLabels().size(), 4);
}

// Graph draws lines; on a logarithmic axis a zero has no place, and the
// line stops at the points either side of it instead of joining them.
TEST_F(ChartWindowTest, ALogarithmicLineBreaksWhereACountIsZero)
{
    QTest::keyClick(window.windowHandle(), Qt::Key_L);
    ASSERT_TRUE(window.shownChart().value.scale.logarithmic);
    QCoreApplication::processEvents();
    const QImage shown = window.chartView()->grab().toImage();
    // Age 1 counts 0, 5, 0, 2.5, 5: halfway from step 1 to 3, and from 3 to 4.
    const std::pair<QPointF, bool> cases[] = {{{2, (std::log10(5) + std::log10(2.5)) / 2}, false},
                                              {{3.5, (std::log10(2.5) + std::log10(5)) / 2}, true}};
    QChart* chart = window.chartView()->chart();
    for (const auto& [middle, joined] : cases) {
        const QPointF inChart = chart->mapToPosition(middle, chart->series().first());
        const QPoint at = window.chartView()->mapFromScene(chart->mapToScene(inChart));
        EXPECT_EQ(pixelsNear(shown, QRect(at - QPoint(3, 3), QSize(7, 7)), kAgeColours[1]) > 0, joined) << middle.x();
    }
}

TEST_F(ChartWindowTest, TheLKeyTogglesTheLogScale)
{
    QCheckBox* box = window.logScaleBox();
    click("Command1");
    ASSERT_FALSE(box->isChecked());
    for (bool expected : {true, false, true}) {
        QTest::keyClick(&window, Qt::Key_L);
        EXPECT_EQ(box->isChecked(), expected);
        EXPECT_EQ(window.shownChart().value.scale.logarithmic, expected);
    }
    // While the box is hidden the key changes nothing.
    click("Command4");
    QTest::keyClick(&window, Qt::Key_L);
    EXPECT_TRUE(box->isChecked());
    EXPECT_FALSE(window.shownChart().value.scale.logarithmic);
}

}  // namespace
}  // namespace dalvo::ui
