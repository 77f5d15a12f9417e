// End-to-end tests of zyfo-export --chart: the picture is the chart the program draws, as PNG,
// SVG or PDF; bad requests fail loudly and leave no file.
#include "CChartCtrl.h"
#include "CImageDC.h"
#include "CRecordingDC.h"
#include "CRegistryKey.h"
#include "MeasurementReader.h"
#include "MemoryReaderListener.h"
#include "PosixFileSource.h"
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"
#include "ToolProcess.h"

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <filesystem>
#include <regex>

namespace zyfo {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::runTool;
using test::ToolOutput;

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
        // As a cron job runs it: the tool still says nothing on success.
        m_environment.set("XDG_RUNTIME_DIR", std::nullopt);
        ASSERT_EQ(runTool(kZydgen, {"--records", "1440", m_data}).exitCode, 0);
    }

    std::string path(const std::string &name) const { return (m_dir / name).string(); }

    // The test file in `chart`, drawn with `settings` as the tool draws it.
    void loadInto(CChartCtrl &chart, const ChartSettings &settings) const
    {
        PosixFileSource source;
        EXPECT_TRUE(source.open(m_data));
        MemoryReaderListener listener(chart.file());
        ReadMeasurementFile(chart.file(), &source, listener, false);
        chart.settings() = settings;
        chart.UpdateBottomBand();
        chart.CreatePens(1);
    }

    // The PNG the chart control itself makes of the test file with `settings`, 640 x 400.
    std::string renderedPng(const ChartSettings &settings) const
    {
        CChartCtrl chart;
        loadInto(chart, settings);
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
        EXPECT_EQ(run.err, "");
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
    // Lines are paths of whole pixels.
    EXPECT_GT(
        test::countMatches(svg, std::regex(R"re(<path fill="#[0-9a-f]{6}" d="M-?\d+ -?\d+h)re")),
        100u);
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

// The boxes of the chart's texts at 640 x 400 with `settings`, two pixels wider all round:
// renderers smooth text each their own way.
std::vector<QRect> textBoxes(CChartCtrl &chart)
{
    CRecordingDC dc;
    chart.RenderAsShown(dc, {0, 0, 640, 400});
    std::vector<QRect> boxes;
    for (const Primitive &laidOut : dc.primitives(Primitive::Kind::DrawText))
        boxes.push_back(
            QRect(laidOut.rect.left, laidOut.rect.top, laidOut.rect.Width(), laidOut.rect.Height())
                .adjusted(-2, -2, 2, 2));
    for (const Primitive &text : dc.primitives(Primitive::Kind::Text)) {
        const CSize extent = text.extent;
        // Turned a quarter, the cell grows upwards from its start.
        const QRect box = text.font.lfEscapement == 900
                              ? QRect(text.from.x, text.from.y - extent.cx, extent.cy, extent.cx)
                              : QRect(text.from.x, text.from.y, extent.cx, extent.cy);
        boxes.push_back(box.adjusted(-2, -2, 2, 2));
    }
    return boxes;
}

// Where `rendered` differs from `expected` outside `masked`, as "x,y" texts (at most 10).
std::vector<std::string> differences(const QImage &expected, const QImage &rendered,
                                     const std::vector<QRect> &masked)
{
    std::vector<std::string> found;
    if (rendered.size() != expected.size())
        return {"sizes differ"};
    for (int y = 0; y < expected.height() && found.size() < 10; ++y)
        for (int x = 0; x < expected.width() && found.size() < 10; ++x) {
            const bool inText = std::any_of(masked.begin(), masked.end(),
                                            [&](const QRect &box) { return box.contains(x, y); });
            if (!inText && (expected.pixel(x, y) & 0xFFFFFF) != (rendered.pixel(x, y) & 0xFFFFFF))
                found.push_back(std::to_string(x) + "," + std::to_string(y));
        }
    return found;
}

TEST_F(ChartExportToolTest, SvgAndPdfRenderedAtOnePixelAUnitLightThePixelsOfThePng)
{
    // librsvg and poppler stand for the programs that read the files; without them the
    // comparison cannot be made.
    const bool haveRsvg = std::system("command -v rsvg-convert >/dev/null 2>&1") == 0;
    const bool havePoppler = std::system("command -v pdftoppm >/dev/null 2>&1") == 0;
    if (!haveRsvg && !havePoppler)
        GTEST_SKIP() << "rsvg-convert and pdftoppm are not installed";
    // Pens of every kind of width, lines in every direction (the day's readings), the axes and
    // the band edges.
    for (const DWORD width : {1, 2, 3, 4, 6, 10}) {
        {
            CRegistryKey key;
            ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, "SOFTWARE\\VENTRO\\ZYFO_1.0"));
            ASSERT_TRUE(key.WriteValue("LINIA", &width, REG_DWORD, sizeof width));
        }
        ChartSettings settings;
        settings.lineWidth = static_cast<int>(width);
        CChartCtrl chart;
        loadInto(chart, settings);
        const std::vector<QRect> masked = textBoxes(chart);
        const auto exported = [&](const std::string &name) {
            const ToolOutput run =
                runTool(kExport, {"--chart", path(name), "--size", "640x400", m_data});
            EXPECT_EQ(run.exitCode, 0) << run.err;
        };
        exported("chart.png");
        const QImage expected(QString::fromStdString(path("chart.png")));
        ASSERT_FALSE(expected.isNull());
        if (haveRsvg) {
            exported("chart.svg");
            const std::string command =
                "rsvg-convert '" + path("chart.svg") + "' -o '" + path("svg.png") + "'";
            ASSERT_EQ(std::system(command.c_str()), 0);
            const QImage rendered(QString::fromStdString(path("svg.png")));
            EXPECT_EQ(differences(expected, rendered, masked), std::vector<std::string>{})
                << "SVG, width " << width;
        }
        if (havePoppler) {
            exported("chart.pdf");
            // 96 pixels an inch: one unit of the page is one pixel.
            const std::string command =
                "pdftoppm -r 96 -png -singlefile '" + path("chart.pdf") + "' '" + path("pdf") + "'";
            ASSERT_EQ(std::system(command.c_str()), 0);
            const QImage rendered(QString::fromStdString(path("pdf.png")));
            EXPECT_EQ(differences(expected, rendered, masked), std::vector<std::string>{})
                << "PDF, width " << width;
        }
    }
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
