// Benchmark of opening a year of one-minute records (525,600 records of 22 entries) in the main
// window: "Otwórz plik" with the file chosen, up to the chart painted in the window.
#include "Application.h"
#include "CMainDlg.h"
#include "DialogIds.h"
#include "DialogScript.h"
#include "MenuDriver.h"
#include "TempDataFile.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <chrono>

namespace zyfo {
namespace {

constexpr std::int64_t kRecords = 525'600;

void OpenYearInWindow(benchmark::State &state)
{
    static const TempDataFile file("open-bench", kRecords);
    ensureApplication();
    CMainDlg window;
    if (!window.Create(nullptr)) {
        state.SkipWithError("the main window cannot be created");
        return;
    }
    window.GetSafeHwnd()->resize(1280, 800);
    window.GetSafeHwnd()->show();
    QApplication::processEvents();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        DialogScript script;
        script.answerFileDialog(IDOK, file.path());
        if (!test::chooseMenuItem(window, "Otwórz plik")) {
            state.SkipWithError("no \"Otwórz plik\" in the menu");
            return;
        }
        QApplication::processEvents();
        window.chart().GetSafeHwnd()->repaint();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
    }
    state.counters["rows"] = window.chart().file().rowCount();
}
BENCHMARK(OpenYearInWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

} // namespace
} // namespace zyfo
BENCHMARK_MAIN();
