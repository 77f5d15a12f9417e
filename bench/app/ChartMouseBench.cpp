// Benchmarks of reading the chart with the mouse on 1,000,000 records of 10 and of 22 entries
// (the argument): one wheel notch, one drag step and one pointer move, each up to the chart
// repainted in the window, beside a repaint of the same window with nothing moved.
#include "Application.h"
#include "CMainDlg.h"
#include "DialogIds.h"
#include "DialogScript.h"
#include "MenuDriver.h"
#include "TempDataFile.h"
#include "WinDefs.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>

namespace zyfo {
namespace {

constexpr std::int64_t kRecords = 1'000'000;

// The main window at 1280 x 800 with the file of `entries` entries a record open and its chart
// painted.
std::unique_ptr<CMainDlg> windowWithMillionRows(int entries)
{
    static std::map<int, std::unique_ptr<TempDataFile>> files;
    std::unique_ptr<TempDataFile> &file = files[entries];
    if (!file)
        file = std::make_unique<TempDataFile>("mouse-bench-" + std::to_string(entries), kRecords,
                                              entries);
    ensureApplication();
    auto window = std::make_unique<CMainDlg>();
    if (!window->Create(nullptr))
        return nullptr;
    window->GetSafeHwnd()->resize(1280, 800);
    window->GetSafeHwnd()->show();
    DialogScript script;
    script.answerFileDialog(IDOK, file->path());
    if (!test::chooseMenuItem(*window, "Otwórz plik"))
        return nullptr;
    QApplication::processEvents();
    return window;
}

QPoint middleOf(QWidget *chart)
{
    return chart->contentsRect().center();
}

void sendWheel(QWidget *chart, QPoint at, int delta)
{
    QWheelEvent event(at, chart->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(chart, &event);
}

void sendMouse(QWidget *chart, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, chart->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(chart, &event);
}

using Step = std::function<void(int)>;

// Opens the window on the benchmark's file, has `prepare` ready the chart and give the step,
// then times `step(i)` up to the chart painted again, once an iteration. The window repaints
// the chart as soon as its time window moves; pending events are handled too, in case one
// waits.
void timeSteps(benchmark::State &state, const std::function<Step(QWidget *chart)> &prepare)
{
    const std::unique_ptr<CMainDlg> window =
        windowWithMillionRows(static_cast<int>(state.range(0)));
    if (!window) {
        state.SkipWithError("the window cannot open the file");
        return;
    }
    const Step step = prepare(window->chart().GetSafeHwnd());
    int i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        step(i++);
        QApplication::processEvents();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
    }
    const MeasurementFile &file = window->chart().file();
    state.counters["rows"] = file.rowCount();
    state.counters["shown"] = file.toRow() - file.fromRow() + 1;
}

// Each benchmark runs on the file of 10 and on the file of 22 entries a record.
void onBothFiles(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(50)->Arg(10)->Arg(22);
}

// The baseline: the window repainted with the whole file shown and nothing moved.
void RepaintOnly(benchmark::State &state)
{
    timeSteps(state, [](QWidget *chart) -> Step { return [chart](int) { chart->repaint(); }; });
}
BENCHMARK(RepaintOnly)->Apply(onBothFiles);

// One notch forward, then one back, around the middle: the window narrows and widens by turns.
void WheelStep(benchmark::State &state)
{
    timeSteps(state, [](QWidget *chart) -> Step {
        return [chart](int i) {
            sendWheel(chart, middleOf(chart), i % 2 == 0 ? WHEEL_DELTA : -WHEEL_DELTA);
        };
    });
}
BENCHMARK(WheelStep)->Apply(onBothFiles);

// With half the file shown, the pointer held down and moved 40 pixels at a time, back and forth.
void DragStep(benchmark::State &state)
{
    timeSteps(state, [](QWidget *chart) -> Step {
        for (int notch = 0; notch < 3; ++notch)
            sendWheel(chart, middleOf(chart), WHEEL_DELTA);
        const QPoint grab = middleOf(chart);
        sendMouse(chart, QEvent::MouseButtonPress, grab, Qt::LeftButton);
        return [chart, grab](int i) {
            constexpr int kOffsets[] = {40, 80, 40, 0};
            sendMouse(chart, QEvent::MouseMove, grab + QPoint(kOffsets[i % 4], 0), Qt::LeftButton);
        };
    });
}
BENCHMARK(DragStep)->Apply(onBothFiles);

// The pointer moved 40 pixels at a time over the plot band, no button down: only the readout is
// drawn again, over the kept render.
void PointerMove(benchmark::State &state)
{
    timeSteps(state, [](QWidget *chart) -> Step {
        const QPoint at = middleOf(chart);
        return [chart, at](int i) {
            sendMouse(chart, QEvent::MouseMove, at + QPoint(i % 2 == 0 ? 40 : -40, 0),
                      Qt::NoButton);
        };
    });
}
BENCHMARK(PointerMove)->Apply(onBothFiles);

} // namespace
} // namespace zyfo
