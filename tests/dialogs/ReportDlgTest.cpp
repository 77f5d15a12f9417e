// The "Zapisz jako..." dialog: the file chooser and its format rules, the append-or-empty
// question, the path typed and Enter, and the failures that keep it open.
#include "CChartCtrl.h"
#include "CReportDlg.h"
#include "ChartFixture.h"
#include "DialogDriver.h"
#include "DialogIds.h"
#include "DialogScript.h"
#include "FileContents.h"
#include "ReportWriter.h"
#include "TemporaryFolder.h"

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
    }

    // The file chooser answered with `path` and the filter the user left selected.
    void chooseFile(const std::string &path, int filterIndex = 1)
    {
        script.answerFileDialog(IDOK, path, filterIndex);
        click(dialog, IDC_REPORT_CHOOSE);
    }

    // Chooses `path` and presses OK with `answer` ready for the question about an old file.
    void writeTo(const std::filesystem::path &path, int answer)
    {
        runModal(dialog, [&] {
            chooseFile(path.string());
            script.answerMessageBox(answer);
            click(dialog, IDOK);
        });
    }

    test::TemporaryFolder m_folder{"zyfo-report-dlg"};
    const std::filesystem::path dir = m_folder.path();
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
    };
    runModal(dialog, [&] {
        for (const Case &c : cases) {
            SCOPED_TRACE(c.chosen);
            chooseFile(c.chosen, c.filterIndex);
            EXPECT_EQ(textOf(dialog, IDC_REPORT_PATH), c.path);
            EXPECT_EQ(textOf(dialog, IDC_REPORT_FORMAT), c.format);
        }
        click(dialog, IDCANCEL);
    });
}

TEST_F(ReportDlgTest, YesAppendsAfterTheOldContentWithANewHeaderAndNoEmptiesItFirst)
{
    const auto path = dir / "raport.csv";
    std::ofstream(path, std::ios::binary) << "stare\r\n";
    writeTo(path, IDYES);
    const std::string appended = readFile(path);
    EXPECT_EQ(appended.rfind("stare\r\nData i Godzina  ,", 0), 0u) << appended;
    EXPECT_EQ(script.requests().back().flags, MB_YESNO | MB_ICONQUESTION);

    writeTo(path, IDNO);
    EXPECT_EQ(readFile(path).rfind("Data i Godzina  ,", 0), 0u);
    EXPECT_EQ(readFile(path).find("stare"), std::string::npos);
}

TEST_F(ReportDlgTest, AnEmptyPathOrAFailedWriteKeepsItOpenAndEnterWritesToThePathAsTyped)
{
    const auto chosen = dir / "wybrany.txt";
    const auto typed = dir / "wpisany.txt";
    const int result = runModal(dialog, [&] {
        click(dialog, IDOK);
        EXPECT_TRUE(dialog.IsWindowVisible());
        ASSERT_EQ(script.requests().size(), 1u);
        EXPECT_EQ(script.requests()[0].text, "Wybrany plik jest niedostępny.");

        // /dev/full exists, so the question comes first; the write then fails half-way.
        script.answerMessageBox(IDYES);
        test::typeInto(dialog, IDC_REPORT_PATH, "/dev/full");
        click(dialog, IDOK);
        EXPECT_TRUE(dialog.IsWindowVisible());
        ASSERT_EQ(script.requests().size(), 3u);
        EXPECT_EQ(script.requests()[2].text.rfind(std::string(kWriteFailedMessage), 0), 0u);

        // A path typed over a chosen one and Enter: the typed path is written.
        chooseFile(chosen.string());
        test::typeInto(dialog, IDC_REPORT_PATH, QString::fromStdString(typed.string()));
        QTest::keyClick(test::widgetOf(dialog, IDC_REPORT_PATH), Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(std::filesystem::exists(typed));
    EXPECT_FALSE(std::filesystem::exists(chosen));
}

} // namespace
} // namespace zyfo
