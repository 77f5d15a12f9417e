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

// A printer surface that keeps what it was given, with the page of a 600 dpi A4 printer.
std::unique_ptr<CRecordingDC> recordingPrinter()
{
    CRecordingDC::DeviceCaps caps;
    caps.width = 4760;
    caps.height = 6800;
    caps.dpiX = 600;
    caps.dpiY = 600;
    caps.offsetX = 120;
    caps.offsetY = 120;
    return std::make_unique<CRecordingDC>(caps);
}

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

TEST_F(MainWindowCommandsTest, PrintPutsTheHeadingAndTheChartOnOnePageAndRestoresThePens)
{
    const std::string path = writeRecords("stacja.zyd", 0, 30);
    open(path);
    DialogScript script;
    std::unique_ptr<CRecordingDC> printer = recordingPrinter();
    const CRecordingDC &page = *printer;
    script.answerPrintDialog(IDOK, std::move(printer));
    runMenu("Drukuj");

    ASSERT_EQ(script.requests().size(), 1u);
    EXPECT_EQ(script.requests()[0].flags & PD_RETURNDC, PD_RETURNDC);
    EXPECT_EQ(page.primitives(Primitive::Kind::StartPage).size(), 1u);
    EXPECT_EQ(page.primitives(Primitive::Kind::EndDoc).size(), 1u);
    const auto texts = page.primitives(Primitive::Kind::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front().text, "Pomiar: " + path);
    // The printer's 600 dpi over the screen's resolution scales the heading's place.
    const int screenDpi = CClientDC(&window).GetDeviceCaps(LOGPIXELSX);
    EXPECT_EQ(texts.front().from.x, 50 * (600 / screenDpi));
    EXPECT_FALSE(page.primitives(Primitive::Kind::Line).empty());

    // The first channel of the file, selected and drawn since the file was opened.
    const LOGPEN *pen = window.chart().channelPen(ChannelKind::Temperature, 0).GetSafeHandle();
    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(pen->lopnWidth, window.chart().settings().lineWidth);
    EXPECT_EQ(window.chart().busyCount(), 0);
}

TEST_F(MainWindowCommandsTest, PrintToAPdfFileGivesOnePageAndCancelPrintsNothing)
{
    open(writeRecords("stacja.zyd", 0, 30));
    const auto pdf = folders.root() / "wykres.pdf";
    DialogScript script;
    script.answerPrintDialog(IDCANCEL);
    runMenu("Drukuj");
    EXPECT_FALSE(std::filesystem::exists(pdf));

    script.answerPrintDialog(IDOK, std::make_unique<CPrinterDC>(pdf.string(), 600));
    runMenu("Drukuj");
    EXPECT_EQ(test::pdfPageCount(pdf), 1u);
}

TEST_F(MainWindowCommandsTest, PrinterThatCannotPrintIsReported)
{
    open(writeRecords("stacja.zyd", 0, 5));
    DialogScript script;
    script.answerPrintDialog(IDOK, std::make_unique<CPrinterDC>("/brak/katalogu/w.pdf", 600));
    script.answerMessageBox(IDOK);
    runMenu("Drukuj");
    ASSERT_EQ(script.requests().size(), 2u);
    EXPECT_EQ(script.requests()[1].kind, DialogRequest::Kind::MessageBox);
    EXPECT_EQ(script.requests()[1].flags, MB_OK | MB_ICONEXCLAMATION);
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
    LiveUpdateSettings live = window.liveUpdate();
    live.on = 1;
    live.period = 1;
    window.setLiveUpdate(live);
    writeRecords("stacja.zyd", 10, 5, true);

    DialogScript script;
    script.answerPrintDialog(IDOK, std::make_unique<SlowPrinter>());
    runMenu("Drukuj");
    EXPECT_EQ(file().rowCount(), 10);
    // Once the print is done, the next tick reads the new rows.
    EXPECT_TRUE(test::waitFor([&] { return file().rowCount() == 15; }, 5000));
}

TEST_F(MainWindowCommandsTest, FormatDatyShowsTheLivingDialogWhoseBoxesChangeTheChart)
{
    CDialog *dialog = test::dialogTitled("Data i czas");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->IsWindowVisible());
    runMenu("Format daty");
    EXPECT_TRUE(dialog->IsWindowVisible());
    test::activate(*dialog);
    click(*dialog, IDC_DATE_SHOW_DATE);
    EXPECT_EQ(window.chart().settings().showDate, 0);
    EXPECT_EQ(window.chart().bottomBandHeight(), 45);

    runMenu("Format daty");
    EXPECT_TRUE(dialog->IsWindowVisible());
    EXPECT_FALSE(isChecked(*dialog, IDC_DATE_SHOW_DATE));
    click(*dialog, IDC_DATE_CLOSE);
    EXPECT_FALSE(dialog->IsWindowVisible());
    runMenu("Format daty");
    EXPECT_TRUE(dialog->IsWindowVisible());
}

TEST_F(MainWindowCommandsTest, WykresShowsTheChartSettingsStartedFromTheChart)
{
    CDialog *dialog = test::dialogTitled("Wykres");
    ASSERT_NE(dialog, nullptr);
    runMenu("Wykres");
    EXPECT_TRUE(dialog->IsWindowVisible());
    EXPECT_EQ(textOf(*dialog, IDC_CHART_WIDTH),
              std::to_string(window.chart().settings().lineWidth));
    test::activate(*dialog);
    test::typeInto(*dialog, IDC_CHART_WIDTH, "25");
    EXPECT_EQ(window.chart().settings().lineWidth, 10);
    click(*dialog, IDC_CHART_CLOSE);
    EXPECT_FALSE(dialog->IsWindowVisible());
}

TEST_F(MainWindowCommandsTest, LiveUpdateSettingsAreTakenBackOnlyOnOk)
{
    const LiveUpdateSettings before = window.liveUpdate();
    withModalDialog([&] { runMenu("Uaktualnianie pomiarów"); },
                    [&](CDialog &dialog) {
                        EXPECT_EQ(textOf(dialog, IDC_LIVE_PERIOD), std::to_string(before.period));
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
                        test::typeInto(dialog, IDC_LIVE_LAST_COUNT, "3");
                        click(dialog, IDC_LIVE_OK);
                    });
    EXPECT_EQ(window.liveUpdate().on, 1);
    EXPECT_EQ(window.liveUpdate().period, 30);
    EXPECT_EQ(window.liveUpdate().lastOn, 1);
    EXPECT_EQ(window.liveUpdate().lastCount, 5);
}

} // namespace
} // namespace zyfo
