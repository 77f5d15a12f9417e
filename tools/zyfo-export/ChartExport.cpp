// zyfo-export --chart: the chart of a loaded file written as a PNG image or a PDF or SVG file.
#include "ChartExport.h"

#include "CChartCtrl.h"
#include "CImageDC.h"
#include "CPrinterDC.h"
#include "CRegistryKey.h"
#include "CSvgDC.h"
#include "LiveUpdateSettings.h"
#include "SettingsStore.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace zyfo {

namespace {

constexpr int kScreenDpi = 96;

// The saved chart settings, when there are any: the store is only read, never created.
void loadSavedSettings(CChartCtrl &chart)
{
    CRegistryKey key;
    LiveUpdateSettings liveUpdate;
    SettingsStore(chart.settings(), liveUpdate).LoadExisting(key);
}

// Draws the chart into `path` in `format`; false when the file could not be written whole.
bool drawInto(CChartCtrl &chart, ExportCommandLine::ChartFormat format, const std::string &path,
              int width, int height)
{
    const CRect rect{0, 0, width, height};
    switch (format) {
    case ExportCommandLine::ChartFormat::Png: {
        CImageDC image(width, height, kScreenDpi);
        chart.RenderAsShown(image, rect);
        return image.SaveImage(path) != FALSE;
    }
    case ExportCommandLine::ChartFormat::Svg: {
        CSvgDC svg(width, height, kScreenDpi);
        chart.RenderAsShown(svg, rect);
        return svg.Save(path) != FALSE;
    }
    case ExportCommandLine::ChartFormat::Pdf: {
        CPrinterDC pdf(path, kScreenDpi, CSize{width, height});
        if (pdf.StartDoc("VENTRO") <= 0 || pdf.StartPage() <= 0)
            return false;
        chart.RenderAsShown(pdf, rect);
        const bool pageEnded = pdf.EndPage() > 0;
        return pdf.EndDoc() > 0 && pageEnded;
    }
    }
    return false;
}

} // namespace

std::string writeChartFile(const ExportCommandLine &cl, CChartCtrl &chart)
{
    loadSavedSettings(chart);
    chart.UpdateBottomBand();
    chart.CreatePens(1);

    // Written beside the target under a name of its own and renamed when complete, so that a
    // failure never leaves a partial picture under the target's name.
    const std::string partial = cl.chartPath + ".part-" + std::to_string(::getpid());
    std::error_code ignored;
    if (!drawInto(chart, cl.chartFormat, partial, cl.chartWidth, cl.chartHeight)) {
        std::filesystem::remove(partial, ignored);
        return "cannot write " + cl.chartPath;
    }
    std::error_code renamed;
    std::filesystem::rename(partial, cl.chartPath, renamed);
    if (renamed) {
        std::filesystem::remove(partial, ignored);
        return "cannot write " + cl.chartPath + ": " + renamed.message();
    }
    return {};
}

} // namespace zyfo
