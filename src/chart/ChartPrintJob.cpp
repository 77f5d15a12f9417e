// One printed page of the chart: the heading naming the data file, and the chart under it.
#include "ChartPrintJob.h"

#include "CChartCtrl.h"

namespace zyfo {

namespace {
constexpr const char *kDocumentName = "VENTRO";
constexpr const char *kHeadingStart = "Pomiar: ";
} // namespace

bool printChart(CChartCtrl &chart, CDC &printer, const PrintLayout &page,
                const std::string &dataPath)
{
    chart.CreatePrintFonts(page.sx);
    bool accepted = printer.StartDoc(kDocumentName) > 0;
    accepted = printer.StartPage() > 0 && accepted;
    {
        CChartCtrl::BusyGuard busy(chart);
        printer.SelectObject(&chart.printHorizontalFont());
        printer.TextOut(page.heading.x, page.heading.y, kHeadingStart + dataPath);
        chart.Render(printer, true, page.chart, page.sy);
        // Render left the pens at the printing width; the screen draws with plain ones.
        chart.DeletePens();
        chart.CreatePens(1);
    }
    accepted = printer.EndPage() > 0 && accepted;
    accepted = printer.EndDoc() > 0 && accepted;
    return accepted;
}

} // namespace zyfo
