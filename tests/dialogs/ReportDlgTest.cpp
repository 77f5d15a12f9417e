// The "Zapisz jako..." dialog: the file chooser and its format rules, the comment, OK writing
// the report, the append-or-empty question and the unavailable file that keeps it open.
#include "CChartCtrl.h"
#include "CReportDlg.h"
#include "ChartFixture.h"
#include "DialogDriver.h"
#include "DialogIds.h"
#include "DialogScript.h"
#include "FileContents.h"
#include "ReportWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zyfo {
namespace {

using test::click;
using test::readFile;
using test::runModal;
using test::textOf;

class ReportDlgTest : public ::testing::Test
{
protected:
    ReportDlgTest()
    {
        test::loadRows(chart, 3,
                       {{ChannelKind::Temperature, "RT-350 nr 1", test::constant(3, 21.5)}});
        dialog.m_data = &chart.file();
        std::filesystem::create_directories(dir);
    }
    ~ReportDlgTest() override { std::filesystem::remove_all(dir); }

    std::string format() { return textOf(dialog, IDC_REPORT_FORMAT); }

    // The file chooser answered with `path` and the filter the user left selected.
    void chooseFile(const std::string &path, int filterIndex = 1)
    {
        script.answerFileDialog(IDOK, path, filterIndex);
        click(dialog, IDC_REPORT_CHOOSE);
    }

    // Chooses `path` and presses OK with `answer` ready for the question about an old file. The
    // comment typed is left out: its box is clear.
    void writeTo(const std::filesystem::path &path, int answer)
    {
        runModal(dialog, [&] {
            chooseFile(path.string());
            test::typeInto(dialog, IDC_REPORT_COMMENT, "nie zapisany");
            script.answerMessageBox(answer);
            click(dialog, IDOK);
        });
    }

    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("zyfo-report-dlg-" + std::to_string(getpid()));
    CChartCtrl chart;
    DialogScript script;
    CReportDlg dialog;
};

TEST_F(ReportDlgTest, ChosenNamesSetTheFormatByTheirEndingAndGetTheFiltersExtension)
{
    struct Case
    {
        const char *chosen;
        int filterIndex;
        const char *path;
        const char *format;
    };
    const Case cases[] = {
        {"/dane/raport.csv", 1, "/dane/raport.csv", "Lista rozdzielana"},
        {"/dane/raport.TXT", 1, "/dane/raport.TXT", "Format tekstowy"},
        {"/dane/raport.Csv", 1, "/dane/raport.Csv", "Format tekstowy"}, // unchanged: no switch
        {"/dane/pomiary", 2, "/dane/pomiary.csv", "Lista rozdzielana"},
        {"/dane/inne", 1, "/dane/inne.txt", "Format tekstowy"},
    };
    runModal(dialog, [&] {
        EXPECT_EQ(format(), "Format tekstowy");
        for (const Case &c : cases) {
            SCOPED_TRACE(c.chosen);
            chooseFile(c.chosen, c.filterIndex);
            EXPECT_EQ(textOf(dialog, IDC_REPORT_PATH), c.path);
            EXPECT_EQ(format(), c.format);
        }
        // The list format preselects its filter; cancelling the chooser changes nothing.
        test::choose(dialog, IDC_REPORT_FORMAT, 1);
        script.answerFileDialog(IDCANCEL);
        click(dialog, IDC_REPORT_CHOOSE);
        EXPECT_EQ(textOf(dialog, IDC_REPORT_PATH), "/dane/inne.txt");
        click(dialog, IDCANCEL);
    });
    const DialogRequest &request = script.requests().front();
    EXPECT_EQ(request.title, "Wybierz plik raportu");
    EXPECT_EQ(request.filter, "Plik tekstowy (*.txt)|*.txt|Lista CSV (*.csv)|*.csv||");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.defaultExtension, "csv");
    EXPECT_EQ(script.requests().back().filterIndex, 2);
}

TEST_F(ReportDlgTest, OkWritesTheChosenFormatWithTheCommentAndEndsTheDialog)
{
    const auto path = dir / "raport.csv";
    const int result = runModal(dialog, [&] {
        chooseFile(path.string());
        click(dialog, IDC_REPORT_COMMENT_ON);
        test::typeInto(dialog, IDC_REPORT_COMMENT, "Stacja");
        // Enter in the comment starts a new line; it does not end the dialog.
        QTest::keyClick(test::widgetOf(dialog, IDC_REPORT_COMMENT), Qt::Key_Return);
        QTest::keyClicks(test::widgetOf(dialog, IDC_REPORT_COMMENT), "dach");
        EXPECT_TRUE(dialog.IsWindowVisible());
        click(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(readFile(path), "Stacja\r\ndach\r\n"
                              "Data i Godzina  ,Temp. RT-350 nr 1 \xB0"
                              "C\r\n"
                              "2024.01.15 00:00:00,21.50\r\n"
                              "2024.01.15 00:01:00,21.50\r\n"
                              "2024.01.15 00:02:00,21.50\r\n");
}

TEST_F(ReportDlgTest, YesAppendsAfterTheOldContentWithANewHeaderAndNoEmptiesItFirst)
{
    const auto path = dir / "raport.csv";
    std::ofstream(path, std::ios::binary) << "stare\r\n";
    writeTo(path, IDYES);
    const std::string appended = readFile(path);
    EXPECT_EQ(appended.rfind("stare\r\nData i Godzina  ,", 0), 0u) << appended;
    const DialogRequest &question = script.requests().back();
    EXPECT_EQ(question.text, std::string(kExistingFileQuestion));
    EXPECT_EQ(question.flags, MB_YESNO | MB_ICONQUESTION);

    writeTo(path, IDNO);
    EXPECT_EQ(readFile(path).rfind("Data i Godzina  ,", 0), 0u);
    EXPECT_EQ(readFile(path).find("stare"), std::string::npos);
}

TEST_F(ReportDlgTest, EmptyPathOrAFailedWriteGivesTheMessageAndTheDialogStays)
{
    const auto path = dir / "drugi.txt";
    const int result = runModal(dialog, [&] {
        click(dialog, IDOK);
        EXPECT_TRUE(dialog.IsWindowVisible());
        ASSERT_EQ(script.requests().size(), 1u);
        EXPECT_EQ(script.requests()[0].text, "Wybrany plik jest niedostępny.");
        EXPECT_EQ(script.requests()[0].flags, MB_OK | MB_ICONEXCLAMATION);

        script.answerMessageBox(IDYES);
        test::typeInto(dialog, IDC_REPORT_PATH, "/dev/full");
        click(dialog, IDOK);
        EXPECT_TRUE(dialog.IsWindowVisible());
        ASSERT_EQ(script.requests().size(), 3u);
        EXPECT_EQ(script.requests()[2].text.rfind(std::string(kWriteFailedMessage), 0), 0u);

        // Enter in the path edit writes to the path as typed.
        test::typeInto(dialog, IDC_REPORT_PATH, QString::fromStdString(path.string()));
        QTest::keyClick(test::widgetOf(dialog, IDC_REPORT_PATH), Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(std::filesystem::exists(path));
}

TEST_F(ReportDlgTest, WithoutDataOnlyTheCommentIsWritten)
{
    CReportDlg empty;
    const auto path = dir / "pusty.txt";
    runModal(empty, [&] {
        script.answerFileDialog(IDOK, path.string(), 1);
        click(empty, IDC_REPORT_CHOOSE);
        click(empty, IDC_REPORT_COMMENT_ON);
        test::typeInto(empty, IDC_REPORT_COMMENT, "brak danych");
        click(empty, IDOK);
    });
    EXPECT_EQ(readFile(path), "brak danych\r\n");
}

} // namespace
} // namespace zyfo
