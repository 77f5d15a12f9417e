// The main window's "Zapisz jako...", "Drukuj", "Format daty", "Wykres" and "Uaktualnianie
// pomiarów" commands, run from its menu with the common dialogs scripted.
#include "CClientDC.h"
#include "CPrinterDC.h"
#include "FileContents.h"
#include "MainWindowFixture.h"
#include "ReportWriter.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>

namespace zyfo {
namespace {

using test::click;
using test::isChecked;
using test::textOf;
using test::withModalDialog;

using MainWindowCommandsTest = test::MainWindowTest;

TEST_F(MainWindowCommandsTest, SaveAsWritesEveryRowAndASecondOpeningStartsAfresh)
{
    open(writeRecords("stacja.zyd", 0, 12));
    const auto report = folders.root() / "raport.csv";
    DialogScript script;
    withModalDialog([&] { runMenu("Zapisz jako..."); },
                    [&](CDialog &dialog) {
                        script.answerFileDialog(IDOK, report.string(), 2);
                        click(dialog, IDC_REPORT_CHOOSE);
                        click(dialog, IDC_REPORT_COMMENT_ON);
                        test::typeInto(dialog, IDC_REPORT_COMMENT, "Dach");
                        click(dialog, IDOK);
                    });
    const std::string csv = test::readFile(report);
    EXPECT_EQ(csv.rfind("Dach\r\nData i Godzina  ,", 0), 0u) << csv;
    EXPECT_EQ(test::countMatches(csv, std::regex("\r\n2006\\.12\\.05 ")), 12u) << csv;

    withModalDialog([&] { runMenu("Zapisz jako..."); },
                    [&](CDialog &dialog) {
                        EXPECT_EQ(textOf(dialog, IDC_REPORT_PATH), "");
                        EXPECT_EQ(textOf(dialog, IDC_REPORT_FORMAT), "Format tekstowy");
                        EXPECT_FALSE(isChecked(dialog, IDC_REPORT_COMMENT_ON));
                        EXPECT_EQ(textOf(dialog, IDC_REPORT_COMMENT), "");
                        click(dialog, IDCANCEL);
                    });
}

TEST_F(MainWindowCommandsTest, PrintNamesTheFileOnOnePageAndReportsAPrinterThatCannotPrint)
{
    const std::string path = writeRecords("stacja.zyd", 0, 30);
    open(path);
    DialogScript script;
    script.answerPrintDialog(IDCANCEL);
    runMenu("Drukuj");
    // A printer surface that keeps what it was given, with the page of a 600 dpi printer.
    auto printer = std::make_unique<CRecordingDC>(CRecordingDC::DeviceCaps{4760, 6800, 600, 600});
    const CRecordingDC &page = *printer;
    script.answerPrintDialog(IDOK, std::move(printer));
    runMenu("Drukuj");
    EXPECT_EQ(page.primitives(Primitive::Kind::StartPage).size(), 1u);
    const auto texts = page.primitives(Primitive::Kind::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front().text, "Pomiar: " + path);
    // The printer's 600 dpi over the screen's resolution scales the heading's place.
    const int screenDpi = CClientDC(&window).GetDeviceCaps(LOGPIXELSX);
    EXPECT_EQ(texts.front().from.x, 50 * (600 / screenDpi));
    EXPECT_FALSE(page.primitives(Primitive::Kind::Line).empty());

    script.answerPrintDialog(IDOK, std::make_unique<CPrinterDC>("/brak/katalogu/w.pdf", 600));
    script.answerMessageBox(IDOK);
    runMenu("Drukuj");
    ASSERT_EQ(script.requests().size(), 4u);
    EXPECT_EQ(script.requests()[3].kind, DialogRequest::Kind::MessageBox);
    EXPECT_EQ(script.requests()[3].flags, MB_OK | MB_ICONEXCLAMATION);
}

// A printer that lets the event loop run while its job starts, as a slow printer does: timer
// ticks arrive in the middle of printing.
class SlowPrinter : public CRecordingDC
{
public:
    int StartDoc(const std::string &docName) override
    {
        QTest::qWait(1500);
        return CRecordingDC::StartDoc(docName);
    }
};

TEST_F(MainWindowCommandsTest, LiveUpdateWaitsWhilePrinting)
{
    const std::string path = writeRecords("stacja.zyd", 0, 10);
    open(path);
    window.setLiveUpdate({1, 1, 100, 0});
    writeRecords("stacja.zyd", 10, 5, true);

    DialogScript script;
    script.answerPrintDialog(IDOK, std::make_unique<SlowPrinter>());
    runMenu("Drukuj");
    EXPECT_EQ(file().rowCount(), 10);
    // Once the print is done, the next tick reads the new rows.
    EXPECT_TRUE(test::waitFor([&] { return file().rowCount() == 15; }, 5000));
}

TEST_F(MainWindowCommandsTest, FormatDatyAndWykresShowTheirLivingDialogsWorkingOnTheChart)
{
    CDialog *dates = test::dialogTitled("Data i czas");
    ASSERT_NE(dates, nullptr);
    runMenu("Format daty");
    test::activate(*dates);
    click(*dates, IDC_DATE_SHOW_DATE);
    EXPECT_EQ(window.chart().settings().showDate, 0);
    click(*dates, IDC_DATE_CLOSE);
    runMenu("Format daty");
    EXPECT_TRUE(dates->IsWindowVisible());
    EXPECT_FALSE(isChecked(*dates, IDC_DATE_SHOW_DATE));

    CDialog *chart = test::dialogTitled("Wykres");
    ASSERT_NE(chart, nullptr);
    runMenu("Wykres");
    EXPECT_EQ(textOf(*chart, IDC_CHART_WIDTH), std::to_string(window.chart().settings().lineWidth));
    test::activate(*chart);
    test::typeInto(*chart, IDC_CHART_WIDTH, "4");
    EXPECT_EQ(window.chart().settings().lineWidth, 4);
}

TEST_F(MainWindowCommandsTest, LiveUpdateSettingsAreTakenBackOnlyOnOk)
{
    const LiveUpdateSettings before = window.liveUpdate();
    withModalDialog([&] { runMenu("Uaktualnianie pomiarów"); },
                    [&](CDialog &dialog) {
                        click(dialog, IDC_LIVE_UPDATE);
                        test::typeInto(dialog, IDC_LIVE_PERIOD, "30");
                        click(dialog, IDC_LIVE_CANCEL);
                    });
    EXPECT_EQ(window.liveUpdate().period, before.period);
    EXPECT_EQ(window.liveUpdate().on, before.on);

    withModalDialog([&] { runMenu("Uaktualnianie pomiarów"); },
                    [&](CDialog &dialog) {
                        click(dialog, IDC_LIVE_UPDATE);
                        test::typeInto(dialog, IDC_LIVE_PERIOD, "30");
                        click(dialog, IDC_LIVE_LAST_ON);
                        click(dialog, IDC_LIVE_OK);
                    });
    EXPECT_EQ(window.liveUpdate().on, 1);
    EXPECT_EQ(window.liveUpdate().period, 30);
    EXPECT_EQ(window.liveUpdate().lastOn, 1 - before.lastOn);
}

} // namespace
} // namespace zyfo
