// Walks through the main window's report, print and settings commands with a data file open, as
// a person would, and keeps pictures of each dialog, the printed page as PDF and both reports:
// dialogs_tour FILE.zyd OUTDIR. Run it on a display (for example under Xvfb).
#include "Application.h"
#include "CMainDlg.h"
#include "CPrinterDC.h"
#include "DialogDriver.h"
#include "DialogIds.h"
#include "DialogScript.h"
#include "MenuDriver.h"
#include "Screenshot.h"

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string>

namespace zyfo {
namespace {

bool g_failed = false;

void photograph(const CWnd &window, const std::filesystem::path &path)
{
    // Lets the windows settle and paint before they are photographed.
    QTest::qWait(500);
    if (saveWindowScreenshot(window, path.string()))
        return;
    std::fprintf(stderr, "dialogs_tour: cannot write %s\n", path.c_str());
    g_failed = true;
}

// "Zapisz jako..." with the file chooser answering `report`, a comment, then OK (replacing a
// report left by an earlier tour).
void saveReport(CMainDlg &window, const std::filesystem::path &report,
                const std::filesystem::path &picture)
{
    DialogScript script;
    test::withModalDialog([&] { test::chooseMenuItem(window, "Zapisz jako..."); },
                          [&](CDialog &dialog) {
                              script.answerFileDialog(IDOK, report.string());
                              test::click(dialog, IDC_REPORT_CHOOSE);
                              test::click(dialog, IDC_REPORT_COMMENT_ON);
                              test::typeInto(dialog, IDC_REPORT_COMMENT, "Pomiary ze stacji");
                              photograph(dialog, picture);
                              script.answerMessageBox(IDNO);
                              test::click(dialog, IDOK);
                          });
}

int tour(const std::string &dataFile, const std::filesystem::path &out)
{
    std::filesystem::create_directories(out);
    CMainDlg window;
    window.Create(nullptr);
    window.ShowWindow(SW_SHOW);
    {
        DialogScript script;
        script.answerFileDialog(IDOK, dataFile);
        test::chooseMenuItem(window, "Otwórz plik");
    }
    if (window.dataFile() == nullptr) {
        std::fprintf(stderr, "dialogs_tour: cannot open %s\n", dataFile.c_str());
        return 1;
    }

    test::chooseMenuItem(window, "Wykres");
    CDialog *chart = test::dialogTitled("Wykres");
    test::activate(*chart);
    test::typeInto(*chart, IDC_CHART_WIDTH, "3");
    test::click(*chart, IDC_CHART_SHOW_MEANS);
    photograph(*chart, out / "wykres.png");

    test::chooseMenuItem(window, "Format daty");
    CDialog *dates = test::dialogTitled("Data i czas");
    test::activate(*dates);
    test::click(*dates, IDC_DATE_ONE_LINE);
    photograph(*dates, out / "data-i-czas.png");
    // Both tool windows hidden again, the chart shows what they changed.
    test::click(*dates, IDC_DATE_CLOSE);
    test::click(*chart, IDC_CHART_CLOSE);
    photograph(window, out / "okno.png");

    test::withModalDialog([&] { test::chooseMenuItem(window, "Uaktualnianie pomiarów"); },
                          [&](CDialog &dialog) {
                              photograph(dialog, out / "uaktualnianie.png");
                              test::click(dialog, IDC_LIVE_CANCEL);
                          });

    saveReport(window, out / "raport.txt", out / "zapisz-jako.png");
    saveReport(window, out / "raport.csv", out / "zapisz-jako-csv.png");

    DialogScript script;
    script.answerPrintDialog(IDOK, std::make_unique<CPrinterDC>((out / "wydruk.pdf").string()));
    test::chooseMenuItem(window, "Drukuj");
    return g_failed ? 1 : 0;
}

} // namespace
} // namespace zyfo

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: dialogs_tour FILE.zyd OUTDIR\n");
        return 2;
    }
    zyfo::ensureApplication();
    std::setlocale(LC_ALL, "");
    return zyfo::tour(argv[1], argv[2]);
}
