// End-to-end tests of zyfo-export --chart: the picture is the chart the program draws, as PNG,
// SVG or PDF; bad requests fail loudly and leave no file.
#include "CChartCtrl.h"
#include "CImageDC.h"
#include "CRegistryKey.h"
#include "MeasurementReader.h"
#include "MemoryReaderListener.h"
#include "PosixFileSource.h"
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace zyfo {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using testing::runTool;
using testing::ToolOutput;

const std::string kExport = ZYFO_EXPORT_PATH;
const std::string kZydgen = ZYDGEN_PATH;

// A day of generated records in a folder of its own, which is also the settings folder
// (XDG_CONFIG_HOME) of the test and of the tool it runs.
class ChartExportToolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_environment.set("XDG_CONFIG_HOME", m_dir.string());
        ASSERT_EQ(runTool(kZydgen, {"--records", "1440", m_data}).exitCode, 0);
    }

    std::string path(const std::string &name) const { return (m_dir / name).string(); }

    // The PNG the chart control itself makes of the test file with `settings`, 640 x 400.
    std::string renderedPng(const ChartSettings &settings) const
    {
        CChartCtrl chart;
        PosixFileSource source;
        EXPECT_TRUE(source.open(m_data));
        MemoryReaderListener listener(chart.file());
        ReadMeasurementFile(chart.file(), &source, listener, false);
        chart.settings() = settings;
        chart.UpdateBottomBand();
        chart.CreatePens(1);
        CImageDC image(640, 400);
        chart.RenderAsShown(image, {0, 0, 640, 400});
        const std::string expected = path("expected.png");
        EXPECT_TRUE(image.SaveImage(expected));
        return readFile(expected);
    }

    test::TemporaryFolder m_folder{"zyfo-chart"};
    const fs::path m_dir = m_folder.path();
    const std::string m_data = path("day.zyd");
    test::ScopedEnvironment m_environment;
};

TEST_F(ChartExportToolTest, PngIsTheChartTheProgramDrawsWithTheSavedSettings)
{
    const std::string out = path("chart.png");
    const auto exportsAs = [&](const ChartSettings &settings) {
        const ToolOutput run = runTool(kExport, {"--chart", out, "--size", "640x400", m_data});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(readFile(out), renderedPng(settings));
    };
    exportsAs(ChartSettings{});
    EXPECT_FALSE(fs::exists(m_dir / "VENTRO")) << "reading settings creates no store";

    // White background, thick lines, means in the legend, date and time on one line.
    {
        CRegistryKey key;
        ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, "SOFTWARE\\VENTRO\\ZYFO_1.0"));
        const std::pair<const char *, DWORD> values[] = {
            {"TLO", 0xFFFFFF}, {"TEXT", 0x800000}, {"LINIA", 5}, {"AV", 1}, {"DATA_LINIA", 1}};
        for (const auto &[name, value] : values)
            ASSERT_TRUE(key.WriteValue(name, &value, REG_DWORD, sizeof value));
    }
    ChartSettings saved;
    saved.backColor = RGB(255, 255, 255);
    saved.textColor = RGB(0, 0, 128);
    saved.lineWidth = 5;
    saved.showMeans = 1;
    saved.dateTimeOneLine = 1;
    exportsAs(saved);
    EXPECT_NE(readFile(out), renderedPng(ChartSettings{}));

    // Without --size the picture is 1600 x 900 (big-endian in the PNG header).
    ASSERT_EQ(runTool(kExport, {"--chart", out, m_data}).exitCode, 0);
    EXPECT_EQ(readFile(out).substr(16, 8), std::string("\0\0\x06\x40\0\0\x03\x84", 8));
}

TEST_F(ChartExportToolTest, SvgAndPdfAreVectorDrawingsOfTheChartsSize)
{
    const std::string svgPath = path("chart.svg");
    const ToolOutput svgRun = runTool(kExport, {"--chart", svgPath, "--size", "800x500", m_data});
    ASSERT_EQ(svgRun.exitCode, 0) << svgRun.err;
    const std::string svg = readFile(svgPath);
    EXPECT_NE(svg.find("width=\"800\" height=\"500\""), std::string::npos);
    EXPECT_NE(svg.find(">°C</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Temperatura RT-350 nr 1</text>"), std::string::npos);
    // Every primitive at its integer device coordinates.
    const std::regex line(R"re(<line x1="-?\d+" y1="-?\d+" x2="-?\d+" y2="-?\d+")re");
    EXPECT_GT(test::countMatches(svg, line), 100u);
    EXPECT_EQ(svg.find("<image"), std::string::npos);

    const std::string pdfPath = path("chart.PDF");
    const ToolOutput pdfRun = runTool(kExport, {"--chart", pdfPath, "--size", "960x480", m_data});
    ASSERT_EQ(pdfRun.exitCode, 0) << pdfRun.err;
    const std::string pdf = readFile(pdfPath);
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    // One page: 960 x 480 pixels at 96 per inch are 720 x 360 points.
    EXPECT_TRUE(std::regex_search(pdf, std::regex(R"(/MediaBox \[0 0 720(\.0*)? 360(\.0*)?\])")));
    EXPECT_EQ(pdf.find("/Subtype /Image"), std::string::npos) << "drawn, not a picture";
}

TEST_F(ChartExportToolTest, BadRequestsFailLoudlyAndLeaveNoFile)
{
    const auto fails = [&](const std::vector<std::string> &args, int status,
                           const std::string &message) {
        const ToolOutput run = runTool(kExport, args);
        EXPECT_EQ(run.exitCode, status) << args[1];
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    };
    fails({"--chart", path("chart.gif"), m_data}, 2, ".png, .pdf or .svg");
    fails({"--chart", path("chart.png"), "--size", "15x400", m_data}, 2, "--size takes");
    fails({"--chart", path("chart.png"), "--format", "csv", m_data}, 2, "belong to --report");
    fails({"--chart", path("no/such/folder/chart.png"), m_data}, 1, "cannot write");
    EXPECT_FALSE(fs::exists(path("chart.png")));
    EXPECT_FALSE(fs::exists(path("chart.gif")));
    for (const auto &entry : fs::directory_iterator(m_dir))
        EXPECT_EQ(entry.path().string().find(".part-"), std::string::npos) << entry.path();
}

} // namespace
} // namespace zyfo
