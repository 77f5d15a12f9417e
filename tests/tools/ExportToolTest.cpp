// End-to-end tests of zyfo-export --channels and --report on files from zydgen and hand-made.
#include "RecordCodec.h"
#include "TemporaryFolder.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zyfo {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::runTool;
using test::ToolOutput;

const std::string kExport = ZYFO_EXPORT_PATH;
const std::string kZydgen = ZYDGEN_PATH;

class ExportToolTest : public ::testing::Test
{
protected:
    std::string path(const std::string &name) const { return (m_dir / name).string(); }

    // A file of the worked example record and a neighbour one minute later.
    std::string exampleFile()
    {
        const std::string file = path("data.zyd");
        std::ofstream(file, std::ios::binary)
            << encodeRecord("20061205143000$4,1,25,21.5,0$4,1,26,45.2,0$")
            << encodeRecord("20061205143100$4,1,25,21.6,0$4,1,26,45.0,0$");
        return file;
    }

    // Runs zyfo-export with `args` (exit status 0 expected) and returns the bytes of `out`.
    static std::string report(const std::string &out, const std::vector<std::string> &args)
    {
        const ToolOutput run = runTool(kExport, args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        return readFile(out);
    }

    test::TemporaryFolder m_folder{"zyfo-export"};
    const fs::path m_dir = m_folder.path();
};

TEST_F(ExportToolTest, HelpAndBadArguments)
{
    const ToolOutput help = runTool(kExport, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--channels FILE"), std::string::npos);
    EXPECT_NE(help.out.find("--chart OUT"), std::string::npos);

    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--channels"},
        {"--report", "out.txt", "--format", "xml", "x.zyd"},
        {"--report", "out.txt", "--format", "csv"},
        {"--report", "out.txt", "--format", "csv", "--decimal-separator", ",,", "x.zyd"},
        {"--channels", "x.zyd", "--format", "csv"},
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

TEST_F(ExportToolTest, ReportsInBothFormatsWithTheirOptionsAppendedOrReplaced)
{
    const std::string data = exampleFile();
    const std::string csv = path("report.csv");
    const std::vector<std::string> csvArgs = {
        "--report", csv, "--format", "csv", "--decimal-separator", ".", data};
    const std::string first = report(csv, csvArgs);
    EXPECT_EQ(first, "Data i Godzina  ,Temp. RT-460 nr 1 \xB0"
                     "C,"
                     "Wilg. wzgl. RT-460 nr 1 %\r\n"
                     "2006.12.05 14:30:00,21.50,45.20\r\n"
                     "2006.12.05 14:31:00,21.60,45.00\r\n");
    std::vector<std::string> appendArgs = csvArgs;
    appendArgs.insert(appendArgs.end() - 1, "--append");
    EXPECT_EQ(report(csv, appendArgs), first + first);
    EXPECT_EQ(report(csv, csvArgs), first) << "without --append the file is replaced";

    const std::string text = path("report.txt");
    const std::string withComment =
        report(text, {"--report", text, "--format", "text", "--decimal-separator", ",", "--comment",
                      "Szklarnia\nczujnik 1", data});
    EXPECT_EQ(withComment.rfind("Szklarnia\r\nczujnik 1\r\nData i Godzina  \t", 0), 0u);
    EXPECT_NE(withComment.find("\r\n2006.12.05 14:31:00\t21,60 "), std::string::npos);
}

TEST_F(ExportToolTest, UnreadableInputAndUnwritableOutputFailLoudly)
{
    const std::string data = exampleFile();
    const ToolOutput missing = runTool(kExport, {"--channels", path("missing.zyd")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("Nieprawidłowy plik"), std::string::npos) << missing.err;

    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    const ToolOutput full = runTool(kExport, {"--report", "/dev/full", "--format", "csv", data});
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_NE(full.err.find("No space left"), std::string::npos) << full.err;
}

} // namespace
} // namespace zyfo
