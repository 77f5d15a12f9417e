// zyfo-export --chart: the chart of a loaded file written as a PNG image or a PDF or SVG file.
#pragma once

#include "ExportCommandLine.h"

#include <string>

namespace zyfo {

class CChartCtrl;

// Draws `chart`, whose file has just been read, as the window shows it then: with the user's
// saved chart settings (their defaults when none are saved; nothing is created in the settings
// store), cl.chartWidth x cl.chartHeight pixels, into cl.chartPath in cl.chartFormat. The file
// appears whole or not at all. Returns an empty text, or what failed.
std::string writeChartFile(const ExportCommandLine &cl, CChartCtrl &chart);

} // namespace zyfo
