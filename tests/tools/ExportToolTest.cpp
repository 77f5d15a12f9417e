// End-to-end tests of zyfo-export on files from zydgen and on hand-made tricky files.
#include "RecordCodec.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zyfo {
namespace {

namespace fs = std::filesystem;
using testing::runTool;
using testing::ToolOutput;

const std::string kExport = ZYFO_EXPORT_PATH;
const std::string kZydgen = ZYDGEN_PATH;

// The worked example record and a neighbour one minute later.
const std::string kExample = "20061205143000$4,1,25,21.5,0$4,1,26,45.2,0$";
const std::string kMinuteLater = "20061205143100$4,1,25,21.6,0$4,1,26,45.0,0$";

class ExportToolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("zyfo-export-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string path(const std::string &name) const { return (m_dir / name).string(); }

    // Writes the stored bytes of the given decoded record bodies (plus `tail`) to a file.
    std::string dataFile(const std::vector<std::string> &bodies, const std::string &tail = {})
    {
        std::string bytes;
        for (const std::string &body : bodies)
            bytes += encodeRecord(body);
        bytes += tail;
        const std::string file = path("data.zyd");
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    std::string readAll(const std::string &file) const
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // Runs a CSV report with "." and returns the report's bytes (empty on failure).
    std::string csvReport(const std::string &data)
    {
        const std::string out = path("report.csv");
        const ToolOutput run = runTool(
            kExport, {"--report", out, "--format", "csv", "--decimal-separator", ".", data});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        return readAll(out);
    }

    fs::path m_dir;
};

TEST_F(ExportToolTest, HelpAndBadArguments)
{
    const ToolOutput help = runTool(kExport, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--channels FILE"), std::string::npos);
    EXPECT_NE(help.out.find("--chart OUT"), std::string::npos);

    const std::vector<std::vector<std::string>> bad = {
        {},
        {"x.zyd"},
        {"--channels"},
        {"--report", "out.txt", "x.zyd"},
        {"--report", "out.txt", "--format", "xml", "x.zyd"},
        {"--report", "out.txt", "--format", "csv"},
        {"--report", "out.txt", "--format", "csv", "a.zyd", "b.zyd"},
        {"--report", "out.txt", "--format", "csv", "--decimal-separator", ",,", "x.zyd"},
        {"--channels", "x.zyd", "--format", "csv"},
        {"--channels", "x.zyd", "--report", "out.txt"},
        {"--channels", "x.zyd", "--verbose"},
    };
    for (const auto &args : bad) {
        const ToolOutput run = runTool(kExport, args);
        EXPECT_EQ(run.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_NE(run.err.find("zyfo-export: "), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(ExportToolTest, ChannelsOfAGeneratedStationInListingOrder)
{
    const std::string data = path("station.zyd");
    ASSERT_EQ(runTool(kZydgen, {"--records", "50", "--missing", "0", data}).exitCode, 0);
    const ToolOutput run = runTool(kExport, {"--channels", data});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Temp. RT-350 nr 1\nTemp. RT-460 nr 1\nTemp. #1 RT-440 nr 1\n"
                       "Temp. #2 RT-440 nr 1\nTemp. #3 RT-440 nr 1\nTemp. #4 RT-440 nr 1\n"
                       "Temp. #5 RT-440 nr 1\nTemp. #6 RT-440 nr 1\nTemp. #7 RT-440 nr 1\n"
                       "Temp. #8 RT-440 nr 1\nCiś. RT-390 nr 1\nCiś. RT-380 nr 2\n"
                       "Wilg. wzgl. RT-460 nr 1\nPunkt rosy RT-460 nr 1\nZaw. pary  RT-340 nr 1\n"
                       "Prom. RT-410 nr 1\nProm. RT-410 nr 1\nProm. RT-410 nr 1\n"
                       "Prędkość RT-420 nr 1\nKier.RT-420 nr 1\nWys.Deszcz. nr 1\n"
                       "We. bin.  RT-310 we. bin. 1\n");
}

TEST_F(ExportToolTest, CorruptRecordsDoNotChangeTheChannelList)
{
    const std::string clean = path("clean.zyd");
    const std::string corrupt = path("corrupt.zyd");
    ASSERT_EQ(runTool(kZydgen, {"--records", "400", "--entries", "35", clean}).exitCode, 0);
    ASSERT_EQ(runTool(kZydgen, {"--records", "400", "--entries", "35", "--corrupt", "0.2", corrupt})
                  .exitCode,
              0);
    const ToolOutput a = runTool(kExport, {"--channels", clean});
    const ToolOutput b = runTool(kExport, {"--channels", corrupt});
    EXPECT_EQ(b.exitCode, 0) << b.err;
    EXPECT_EQ(a.out, b.out) << "damaged records leave no phantom channel behind";
    EXPECT_EQ(std::count(b.out.begin(), b.out.end(), '\n'), 35);
}

TEST_F(ExportToolTest, WorkedExampleReportByteForByte)
{
    const std::string data = dataFile({kExample, kMinuteLater});
    EXPECT_EQ(csvReport(data), "Data i Godzina  ,Temp. RT-460 nr 1 \xB0"
                               "C,"
                               "Wilg. wzgl. RT-460 nr 1 %\r\n"
                               "2006.12.05 14:30:00,21.50,45.20\r\n"
                               "2006.12.05 14:31:00,21.60,45.00\r\n");
    const ToolOutput channels = runTool(kExport, {"--channels", data});
    EXPECT_EQ(channels.out, "Temp. RT-460 nr 1\nWilg. wzgl. RT-460 nr 1\n");

    const std::string text = path("report.txt");
    ASSERT_EQ(runTool(kExport, {"--report", text, "--format", "text", "--decimal-separator", ",",
                                "--comment", "Szklarnia\nczujnik 1", data})
                  .exitCode,
              0);
    EXPECT_EQ(readAll(text), "Szklarnia\r\nczujnik 1\r\n"
                             "Data i Godzina  \tTemp. RT-460 nr 1 \xB0"
                             "C\t"
                             "Wilg. wzgl. RT-460 nr 1 %\r\n"
                             "2006.12.05 14:30:00\t21,50" +
                                 std::string(18, ' ') + "\t45,20" + std::string(20, ' ') +
                                 "\r\n"
                                 "2006.12.05 14:31:00\t21,60" +
                                 std::string(18, ' ') + "\t45,00" + std::string(20, ' ') + "\r\n");
}

TEST_F(ExportToolTest, ChangedDigitAndTruncatedLastRecordAreLeftOut)
{
    std::string changed = encodeRecord("20061205143200$4,1,25,21.7,0$4,1,26,44.8,0$");
    const std::size_t digit = std::string("20061205143200$4,1,25,21.").size();
    changed[digit] = static_cast<char>(negateByte('8'));
    const std::string torn =
        encodeRecord("20061205143400$4,1,25,21.9,0$4,1,26,44.0,0$").substr(0, 40);
    const std::string data =
        dataFile({kExample, kMinuteLater},
                 changed + encodeRecord("20061205143300$4,1,25,21.8,0$4,1,26,44.5,0$") + torn);
    const std::string report = csvReport(data);
    EXPECT_EQ(report.find("14:32:00"), std::string::npos) << "a changed digit fails the check";
    EXPECT_NE(report.find("2006.12.05 14:33:00,21.80,44.50\r\n"), std::string::npos)
        << "the record after the damaged one is kept";
    EXPECT_EQ(report.find("14:34:00"), std::string::npos) << "a torn last record is not taken";
}

TEST_F(ExportToolTest, RowsSortedStablyByTimeIncludingMonth13)
{
    const std::string data = dataFile({
        "20061231120000$14,1,25,1,0$",
        "20061305120000$14,1,25,2,0$", // month 13: January 2007 for sorting, as shown in text
        "20061201100000$14,1,25,3,0$",
        "20061201100000$14,1,25,4,0$", // same moment, read later
        "20061201090000$14,1,25,5,0$",
    });
    EXPECT_EQ(csvReport(data), "Data i Godzina  ,Temp. RT-350 nr 1 \xB0"
                               "C\r\n"
                               "2006.12.01 09:00:00,5.00\r\n"
                               "2006.12.01 10:00:00,3.00\r\n"
                               "2006.12.01 10:00:00,4.00\r\n"
                               "2006.12.31 12:00:00,1.00\r\n"
                               "2006.13.05 12:00:00,2.00\r\n");
}

TEST_F(ExportToolTest, PascalsMissingReadingsAndUnknownDevices)
{
    const std::string data = dataFile({
        "20061205143000$11,2,47,101325,0$14,1,25,?,0$9,3,25,1.5,0$",
        "20061205143100$11,2,47,101300,0$14,1,25,20.25,0$9,3,25,1.5,0$",
    });
    EXPECT_EQ(csvReport(data), "Data i Godzina  ,Temp. ??? nr 3 \xB0"
                               "C,"
                               "Ci\x9C. RT-380 nr 2 hPa\r\n"
                               "2006.12.05 14:30:00,1.50,1013.25\r\n"
                               "Data i Godzina  ,Temp. RT-350 nr 1 \xB0"
                               "C,Temp. ??? nr 3 \xB0"
                               "C,"
                               "Ci\x9C. RT-380 nr 2 hPa\r\n"
                               "2006.12.05 14:31:00,20.25,1.50,1013.00\r\n");
}

TEST_F(ExportToolTest, FileWithoutRecordsGivesNoChannelsAndAnEmptyReport)
{
    const std::string data = dataFile({}, "not a data file at all");
    const ToolOutput channels = runTool(kExport, {"--channels", data});
    EXPECT_EQ(channels.exitCode, 0);
    EXPECT_EQ(channels.out, "");
    EXPECT_EQ(csvReport(data), "");
}

TEST_F(ExportToolTest, AppendAddsAReportAndReplaceStartsAfresh)
{
    const std::string data = dataFile({kExample, kMinuteLater});
    const std::string first = csvReport(data);
    const std::string out = path("report.csv");
    const std::vector<std::string> again = {
        "--report", out, "--format", "csv", "--decimal-separator", ".", "--append", data};
    ASSERT_EQ(runTool(kExport, again).exitCode, 0);
    EXPECT_EQ(readAll(out), first + first);
    EXPECT_EQ(csvReport(data), first);
}

TEST_F(ExportToolTest, UnreadableInputAndUnwritableOutputFailLoudly)
{
    const std::string data = dataFile({kExample, kMinuteLater});
    const ToolOutput missing = runTool(kExport, {"--channels", path("missing.zyd")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("Nieprawidłowy plik"), std::string::npos) << missing.err;
    EXPECT_EQ(runTool(kExport, {"--channels", m_dir.string()}).exitCode, 1) << "a folder";

    const ToolOutput noFolder =
        runTool(kExport, {"--report", path("no/such/r.csv"), "--format", "csv", data});
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_NE(noFolder.err.find("Wybrany plik jest niedostępny."), std::string::npos);

    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    const ToolOutput full = runTool(kExport, {"--report", "/dev/full", "--format", "csv", data});
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_NE(full.err.find("No space left"), std::string::npos) << full.err;
    const ToolOutput listFull = runTool(kExport, {"--channels", data}, "/dev/full");
    EXPECT_EQ(listFull.exitCode, 1);
    EXPECT_NE(listFull.err.find("standard output"), std::string::npos);
}

} // namespace
} // namespace zyfo
