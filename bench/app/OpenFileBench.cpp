// Benchmark of opening a year of one-minute records (525,600 records of 22 entries) in the main
// window: "Otwórz plik" with the file chosen, up to the chart painted in the window.
#include "Application.h"
#include "CMainDlg.h"
#include "DialogIds.h"
#include "DialogScript.h"
#include "FileGeneration.h"
#include "MenuDriver.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace zyfo {
namespace {

constexpr std::int64_t kRecords = 525'600;

// The year file, made once and removed at exit.
class YearFile
{
public:
    YearFile()
        : m_path((std::filesystem::temp_directory_path() /
                  ("zyfo-open-bench-" + std::to_string(::getpid()) + ".zyd"))
                     .string())
    {
        Generator generator(GeneratorOptions{});
        if (!generateFile(generator, m_path, {kRecords, -1}, false).ok)
            std::fprintf(stderr, "cannot make the data file %s\n", m_path.c_str());
    }
    ~YearFile() { std::filesystem::remove(m_path); }
    YearFile(const YearFile &) = delete;
    YearFile &operator=(const YearFile &) = delete;

    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

void OpenYearInWindow(benchmark::State &state)
{
    static const YearFile file;
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
