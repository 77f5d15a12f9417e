// The "Data i czas" dialog: its boxes change the chart's time labels at once.
#include "CChartCtrl.h"
#include "CDateFormatDlg.h"
#include "DialogDriver.h"
#include "DialogIds.h"

#include <gtest/gtest.h>

namespace zyfo {
namespace {

TEST(DateFormatDlg, ClearingShowDateNarrowsTheTimeBandAtOnce)
{
    ensureApplication();
    CChartCtrl chart;
    CDateFormatDlg dialog{chart};
    dialog.m_showDate = dialog.m_showTime = 1;
    ASSERT_TRUE(dialog.Create());
    test::activate(dialog);
    ASSERT_EQ(chart.bottomBandHeight(), 55);
    test::click(dialog, IDC_DATE_SHOW_DATE);
    EXPECT_EQ(chart.bottomBandHeight(), 45);
    EXPECT_TRUE(dialog.IsWindowVisible());
}

} // namespace
} // namespace zyfo
