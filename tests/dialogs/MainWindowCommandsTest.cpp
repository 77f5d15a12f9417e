// The main window's "Zapisz jako...", "Drukuj", "Format daty", "Wykres" and "Uaktualnianie
// pomiarów" commands, run from its menu with the common dialogs scripted.
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

TEST_F(MainWindowCommandsTest, PrintNamesTheFileAndReportsAPrinterThatCannotPrint)
{
    const std::string path = writeRecords("stacja.zyd", 0, 30);
    open(path);
    DialogScript script;
    auto printer = std::make_unique<CRecordingDC>(CRecordingDC::DeviceCaps{4760, 6800, 600, 600});
    const CRecordingDC &page = *printer;
    script.answerPrintDialog(IDOK, std::move(printer));
    runMenu("Drukuj");
    ASSERT_FALSE(page.primitives(Primitive::Kind::Text).empty());
    EXPECT_EQ(page.primitives(Primitive::Kind::Text).front().text, "Pomiar: " + path);

    script.answerPrintDialog(IDOK, std::make_unique<CPrinterDC>("/brak/katalogu/w.pdf", 600));
    script.answerMessageBox(IDOK);
    runMenu("Drukuj");
    ASSERT_EQ(script.requests().size(), 3u);
    EXPECT_EQ(script.requests()[2].flags, MB_OK | MB_ICONEXCLAMATION);
}

// A printer that lets the event loop run while its job starts, as a slow printer does: it
// starts the job once `tick` has fired meanwhile.
class SlowPrinter : public CRecordingDC
{
public:
    explicit SlowPrinter(QTimer *tick)
        : m_tick(tick)
    {}

    int StartDoc(const std::string &docName) override
    {
        EXPECT_TRUE(test::waitForTick(m_tick)) << "no tick while printing";
        return CRecordingDC::StartDoc(docName);
    }

private:
    QTimer *m_tick;
};

TEST_F(MainWindowCommandsTest, LiveUpdateWaitsWhilePrinting)
{
    const std::string path = writeRecords("stacja.zyd", 0, 10);
    open(path);
    window.setLiveUpdate({1, 1, 100, 0});
    writeRecords("stacja.zyd", 10, 5, true);
    QTimer *liveUpdate = runningTimer(test::kLiveUpdateEverySecond);
    ASSERT_NE(liveUpdate, nullptr);

    DialogScript script;
    script.answerPrintDialog(IDOK, std::make_unique<SlowPrinter>(liveUpdate));
    runMenu("Drukuj");
    EXPECT_EQ(file().rowCount(), 10);
    // Once the print is done, the next tick reads the new rows.
    EXPECT_TRUE(test::waitFor([&] { return file().rowCount() == 15; }));
}

// The close box hides both tool windows, Esc only the date format one (the chart settings
// dialog keeps Esc for its edits); the menu shows each again as it was left.
TEST_F(MainWindowCommandsTest, FormatDatyAndWykresWorkOnTheChartAndComeBackAsLeft)
{
    struct Case
    {
        const char *menu, *caption;
        int box;
        int ChartSettings::*setting;
        bool escapeHides;
        int band; // the time band after the click: the date box narrows it from 55, means leave it
    };
    const Case cases[] = {
        {"Format daty", "Data i czas", IDC_DATE_SHOW_DATE, &ChartSettings::showDate, true, 45},
        {"Wykres", "Wykres", IDC_CHART_SHOW_MEANS, &ChartSettings::showMeans, false, 45}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.menu);
        runMenu(c.menu);
        CDialog *dialog = test::dialogTitled(c.caption);
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->IsWindowVisible());
        test::activate(*dialog);
        const int before = window.chart().settings().*c.setting;
        click(*dialog, c.box);
        EXPECT_EQ(window.chart().settings().*c.setting, 1 - before);
        EXPECT_EQ(window.chart().bottomBandHeight(), c.band) << "applied at once";

        dialog->GetSafeHwnd()->close(); // the close box
        EXPECT_FALSE(dialog->IsWindowVisible());
        runMenu(c.menu);
        EXPECT_TRUE(dialog->IsWindowVisible());
        EXPECT_EQ(isChecked(*dialog, c.box), before == 0);

        test::activate(*dialog);
        test::pressKey(*dialog, c.box, Qt::Key_Escape);
        EXPECT_EQ(dialog->IsWindowVisible(), !c.escapeHides);
        runMenu(c.menu);
        EXPECT_TRUE(dialog->IsWindowVisible());
        EXPECT_EQ(isChecked(*dialog, c.box), before == 0);
    }
}

TEST_F(MainWindowCommandsTest, LiveUpdateSettingsAreTakenOnOkAndAnulujTakesNothingBack)
{
    const int before = window.liveUpdate().period;
    ASSERT_NE(before, 30);
    for (const int button : {IDC_LIVE_CANCEL, IDC_LIVE_OK}) {
        withModalDialog([&] { runMenu("Uaktualnianie pomiarów"); },
                        [&](CDialog &dialog) {
                            click(dialog, IDC_LIVE_UPDATE);
                            test::typeInto(dialog, IDC_LIVE_PERIOD, "30");
                            click(dialog, button);
                        });
        EXPECT_EQ(window.liveUpdate().period, button == IDC_LIVE_OK ? 30 : before);
    }
}

} // namespace
} // namespace zyfo
