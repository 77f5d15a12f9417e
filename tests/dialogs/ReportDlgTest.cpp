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

void writeFile(const std::filesystem::path &path, const std::string &content)
{
    std::ofstream(path, std::ios::binary) << content;
}

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

    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("zyfo-report-dlg-" + std::to_string(getpid()));
    CChartCtrl chart;
    DialogScript script;
    CReportDlg dialog;
};

TEST_F(ReportDlgTest, OpensEmptyWithTextFormatAndTheChooserAsksForAReportFile)
{
    runModal(dialog, [&] {
        EXPECT_EQ(textOf(dialog, IDC_REPORT_PATH), "");
        EXPECT_EQ(format(), "Format tekstowy");
        EXPECT_FALSE(test::isChecked(dialog, IDC_REPORT_COMMENT_ON));
        script.answerFileDialog(IDCANCEL);
        click(dialog, IDC_REPORT_CHOOSE);
        click(dialog, IDCANCEL);
    });
    ASSERT_EQ(script.requests().size(), 1u);
    const DialogRequest &request = script.requests()[0];
    EXPECT_EQ(request.kind, DialogRequest::Kind::FileDialog);
    EXPECT_TRUE(request.openDialog);
    EXPECT_EQ(request.title, "Wybierz plik raportu");
    EXPECT_EQ(request.filter, "Plik tekstowy (*.txt)|*.txt|Lista CSV (*.csv)|*.csv||");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.defaultExtension, "csv");
    EXPECT_EQ(request.flags & OFN_OVERWRITEPROMPT, OFN_OVERWRITEPROMPT);
}

TEST_F(ReportDlgTest, ChosenNamesEndingInCsvOrTxtSwitchTheFormatOtherCasesDoNot)
{
    runModal(dialog, [&] {
        chooseFile("/dane/raport.csv");
        EXPECT_EQ(format(), "Lista rozdzielana");
        EXPECT_EQ(textOf(dialog, IDC_REPORT_PATH), "/dane/raport.csv");
        chooseFile("/dane/raport.TXT");
        EXPECT_EQ(format(), "Format tekstowy");
        chooseFile("/dane/raport.Csv");
        EXPECT_EQ(format(), "Format tekstowy");
        EXPECT_EQ(textOf(dialog, IDC_REPORT_PATH), "/dane/raport.Csv");
        click(dialog, IDCANCEL);
    });
}

TEST_F(ReportDlgTest, NameWithoutExtensionGetsTheFilterOfTheChooser)
{
    runModal(dialog, [&] {
        chooseFile("/dane/pomiary", 2);
        EXPECT_EQ(textOf(dialog, IDC_REPORT_PATH), "/dane/pomiary.csv");
        EXPECT_EQ(format(), "Lista rozdzielana");
        chooseFile("/dane/inne", 1);
        EXPECT_EQ(textOf(dialog, IDC_REPORT_PATH), "/dane/inne.txt");
        EXPECT_EQ(format(), "Format tekstowy");
        click(dialog, IDCANCEL);
    });
}

TEST_F(ReportDlgTest, CsvFormatPreselectsTheCsvFilterAndCancelChangesNothing)
{
    runModal(dialog, [&] {
        chooseFile("/dane/a.txt");
        test::choose(dialog, IDC_REPORT_FORMAT, 1);
        script.answerFileDialog(IDCANCEL);
        click(dialog, IDC_REPORT_CHOOSE);
        EXPECT_EQ(textOf(dialog, IDC_REPORT_PATH), "/dane/a.txt");
        EXPECT_EQ(format(), "Lista rozdzielana");
        click(dialog, IDCANCEL);
    });
    ASSERT_EQ(script.requests().size(), 2u);
    EXPECT_EQ(script.requests()[1].filterIndex, 2);
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

TEST_F(ReportDlgTest, CommentLeftOutWhenItsBoxIsClear)
{
    const auto path = dir / "raport.txt";
    runModal(dialog, [&] {
        chooseFile(path.string());
        test::typeInto(dialog, IDC_REPORT_COMMENT, "nie zapisany");
        click(dialog, IDOK);
    });
    const std::string report = readFile(path);
    EXPECT_EQ(report.rfind("Data i Godzina  \tTemp. RT-350 nr 1", 0), 0u) << report;
}

TEST_F(ReportDlgTest, YesAppendsAfterTheOldContentWithANewHeader)
{
    const auto path = dir / "raport.csv";
    writeFile(path, "stare\r\n");
    runModal(dialog, [&] {
        chooseFile(path.string());
        script.answerMessageBox(IDYES);
        click(dialog, IDOK);
    });
    const std::string report = readFile(path);
    EXPECT_EQ(report.rfind("stare\r\nData i Godzina  ,", 0), 0u) << report;
    const DialogRequest &question = script.requests().back();
    EXPECT_EQ(question.kind, DialogRequest::Kind::MessageBox);
    EXPECT_EQ(question.text, std::string(kExistingFileQuestion));
    EXPECT_EQ(question.flags, MB_YESNO | MB_ICONQUESTION);
}

TEST_F(ReportDlgTest, NoEmptiesTheOldFileFirst)
{
    const auto path = dir / "raport.csv";
    writeFile(path, std::string(5000, 'x'));
    runModal(dialog, [&] {
        chooseFile(path.string());
        script.answerMessageBox(IDNO);
        click(dialog, IDOK);
    });
    const std::string report = readFile(path);
    EXPECT_EQ(report.rfind("Data i Godzina  ,", 0), 0u);
    EXPECT_EQ(report.find('x'), std::string::npos);
}

TEST_F(ReportDlgTest, EmptyPathGivesTheMessageAndTheDialogStaysForAnotherChoice)
{
    const auto path = dir / "drugi.txt";
    const int result = runModal(dialog, [&] {
        click(dialog, IDOK);
        EXPECT_TRUE(dialog.IsWindowVisible());
        ASSERT_EQ(script.requests().size(), 1u);
        EXPECT_EQ(script.requests()[0].text, "Wybrany plik jest niedostępny.");
        EXPECT_EQ(script.requests()[0].flags, MB_OK | MB_ICONEXCLAMATION);
        chooseFile(path.string());
        click(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(std::filesystem::exists(path));
}

TEST_F(ReportDlgTest, EnterInThePathEditWritesToThePathAsTyped)
{
    const auto chosen = dir / "wybrany.txt";
    const auto typed = dir / "wpisany.txt";
    const int result = runModal(dialog, [&] {
        chooseFile(chosen.string());
        test::typeInto(dialog, IDC_REPORT_PATH, QString::fromStdString(typed.string()));
        QTest::keyClick(test::widgetOf(dialog, IDC_REPORT_PATH), Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(std::filesystem::exists(typed));
    EXPECT_FALSE(std::filesystem::exists(chosen));
}

TEST_F(ReportDlgTest, FailedWriteIsReportedAndTheDialogStaysOpen)
{
    script.answerMessageBox(IDYES);
    runModal(dialog, [&] {
        test::typeInto(dialog, IDC_REPORT_PATH, "/dev/full");
        click(dialog, IDOK);
        EXPECT_TRUE(dialog.IsWindowVisible());
        click(dialog, IDCANCEL);
    });
    ASSERT_EQ(script.requests().size(), 2u);
    EXPECT_EQ(script.requests()[1].text.rfind(std::string(kWriteFailedMessage), 0), 0u);
    EXPECT_EQ(script.requests()[1].flags, MB_OK | MB_ICONEXCLAMATION);
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
