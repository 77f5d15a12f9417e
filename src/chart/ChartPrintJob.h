// One printed page of the chart: the heading naming the data file, and the chart under it.
#pragma once

#include "PrintLayout.h"

#include <string>

namespace zyfo {

class CChartCtrl;

// Prints the chart as the window shows it on one page of `printer`, laid out by `page`: the
// heading "Pomiar: <dataPath>" and the chart drawn at scale page.sy with the print fonts made
// for page.sx. The chart does not paint meanwhile, and its channel pens are back at the screen
// width afterwards. The page is always ended and the document closed; returns false when the
// printer refused any step of the job (nothing or not all of it may have been printed).
bool printChart(CChartCtrl &chart, CDC &printer, const PrintLayout &page,
                const std::string &dataPath);

} // namespace zyfo
