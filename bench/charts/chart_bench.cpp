// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

// How long the chart window takes, at the largest run, from a button click to a drawn chart.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <memory>

#include "model/stepwise_run.h"
#include "ui/charts/chart_window.h"

namespace {

using dalvo::StepwiseRun;
using dalvo::kLastStep;
using dalvo::ui::ChartWindow;

// A full run to the last step the run keeps, of a matrix whose numbers swing
// for ever without growing, so that every chart keeps its shape at any length.
std::unique_ptr<StepwiseRun> fullRun()
{
    auto run = std::make_unique<StepwiseRun>();
    (void)run->load();
    (void)run->startNewRun(dalvo::LeslieMatrix{{0, 0, 0.5, 3.6}, {0.5, 0.9, 0.5}}, {10, 3, 7, 2});
    for (int t = 1; t <= kLastStep; ++t) {
        (void)run->project();
        run->transit();
    }
    return run;
}

struct Button {
    const char* name;
    const char* other;  // drawn before each click, so that every click changes the chart
};

const Button kButtons[] = {
    {"Command1", "Command3"}, {"Command2", "Command8"}, {"Command3", "Command1"},
    {"Command4", "Command3"}, {"Command8", "Command2"},
};

struct OpenWindow {
    std::unique_ptr<StepwiseRun> run = fullRun();
    dalvo::ui::DialogPrompts prompts;
    ChartWindow window{*run, prompts};
    OpenWindow()
    {
        window.graph();
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
    }
    // The click and what the event loop does next: the chart's layout and
    // the window's repaint, which puts the new chart on screen.
    void click(const char* name)
    {
        press(name);
        QCoreApplication::sendPostedEvents();
    }
    // The click alone, before the event loop lays out and repaints.
    void press(const char* name)
    {
        QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    // The view as the window last painted it. Grabbing the view widget
    // instead would paint the chart a second time after the window's own
    // repaint, and so count the drawing of one frame twice.
    QImage shownFrame() const
    {
        const QWidget* view = window.chartView();
        const QPoint corner = view->mapTo(&window, QPoint(0, 0));
        return window.screen()
            ->grabWindow(window.winId(), corner.x(), corner.y(), view->width(), view->height())
            .toImage();
    }
    void frame() { benchmark::DoNotOptimize(shownFrame()); }
    // Painting the view afresh, as a repaint of an unchanged chart does.
    QPixmap repaint() const { return window.chartView()->grab(); }
    // Whether the shown frame is the chart as it stands, so that taking it
    // from the screen leaves out no drawing.
    bool showsCurrentChart() const
    {
        const QImage shown = shownFrame().convertToFormat(QImage::Format_RGB32);
        return !shown.isNull() && shown == repaint().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

// Counts the paints of a widget and the time they take.
class PaintClock : public QObject {
public:
    explicit PaintClock(QWidget* watched) : QObject(watched) { watched->installEventFilter(this); }
    int paints = 0;
    double milliseconds = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        QElapsedTimer clock;
        clock.start();
        static_cast<QWidget*>(watched)->removeEventFilter(this);
        QCoreApplication::sendEvent(watched, event);
        watched->installEventFilter(this);
        milliseconds += clock.nsecsElapsed() / 1e6;
        ++paints;
        return true;
    }
};

bool readyToTime(benchmark::State& state, const OpenWindow& open)
{
    if (open.showsCurrentChart())
        return true;
    state.SkipWithError("the window did not paint the chart the click drew");
    return false;
}

// Draws the button's chart once after the other one, as every timed click
// does, and checks that the window shows it.
bool readyToTime(benchmark::State& state, OpenWindow& open, const Button& button)
{
    state.SetLabel(button.name);
    open.click(button.other);
    open.click(button.name);
    return readyToTime(state, open);
}

// The timed parts, kept out of line so that a profiler can collect them
// alone: valgrind --tool=callgrind --collect-atstart=no
// --toggle-collect='*timedClick*'.
__attribute__((noinline)) void timedClick(OpenWindow& open, const char* name)
{
    open.click(name);
    open.frame();
}
__attribute__((noinline)) QPixmap timedRepaint(const OpenWindow& open)
{
    return open.repaint();
}

// From the click to the chart on screen, after another chart was there.
void BM_ChartButton(benchmark::State& state)
{
    const Button& button = kButtons[state.range(0)];
    OpenWindow open;
    if (!readyToTime(state, open, button))
        return;
    for (auto _ : state) {
        state.PauseTiming();
        open.click(button.other);
        open.frame();
        state.ResumeTiming();
        timedClick(open, button.name);
    }
}
BENCHMARK(BM_ChartButton)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->UseRealTime();

// The parts of a click: the chart's update, the layout and the window's own
// repaint from the posted events, and taking the shown frame; as counters in
// milliseconds.
void BM_ChartButtonParts(benchmark::State& state)
{
    const Button& button = kButtons[state.range(0)];
    OpenWindow open;
    if (!readyToTime(state, open, button))
        return;
    double update = 0, posted = 0, shown = 0, paints = 0, painting = 0;
    QElapsedTimer clock;
    auto* chartPaints = new PaintClock(open.window.chartView()->viewport());
    for (auto _ : state) {
        open.click(button.other);
        open.frame();
        chartPaints->paints = 0;
        chartPaints->milliseconds = 0;
        clock.start();
        open.press(button.name);
        update += clock.nsecsElapsed() / 1e6;
        clock.start();
        QCoreApplication::sendPostedEvents();
        posted += clock.nsecsElapsed() / 1e6;
        clock.start();
        open.frame();
        shown += clock.nsecsElapsed() / 1e6;
        paints += chartPaints->paints;
        painting += chartPaints->milliseconds;
    }
    state.counters["update_ms"] = benchmark::Counter(update, benchmark::Counter::kAvgIterations);
    state.counters["posted_ms"] = benchmark::Counter(posted, benchmark::Counter::kAvgIterations);
    state.counters["frame_ms"] = benchmark::Counter(shown, benchmark::Counter::kAvgIterations);
    state.counters["chart_paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
    state.counters["chart_paint_ms"] = benchmark::Counter(painting, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ChartButtonParts)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->UseRealTime();

// Repainting the same chart, already filled.
void BM_Repaint(benchmark::State& state)
{
    const Button& button = kButtons[state.range(0)];
    state.SetLabel(button.name);
    OpenWindow open;
    open.click(button.name);
    open.frame();
    for (auto _ : state)
        benchmark::DoNotOptimize(timedRepaint(open));
}
BENCHMARK(BM_Repaint)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->UseRealTime();

// The main window's "Graph" into an open window, with the chart's own series look.
void BM_Graph(benchmark::State& state)
{
    OpenWindow open;
    open.click("Command1");
    open.window.graph();
    QCoreApplication::sendPostedEvents();
    if (!readyToTime(state, open))
        return;
    for (auto _ : state) {
        state.PauseTiming();
        open.click("Command1");
        open.frame();
        state.ResumeTiming();
        open.window.graph();
        QCoreApplication::sendPostedEvents();
        open.frame();
    }
}
BENCHMARK(BM_Graph)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
