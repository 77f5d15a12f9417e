// The "Data i czas" dialog: its boxes change the chart's time labels at once; it only hides.
#include "CChartCtrl.h"
#include "CDateFormatDlg.h"
#include "DialogDriver.h"
#include "DialogIds.h"

#include <gtest/gtest.h>

namespace zyfo {
namespace {

using test::click;
using test::isChecked;

class DateFormatDlgTest : public ::testing::Test
{
protected:
    void create(int showDate, int showTime, int oneLine)
    {
        chart.settings().showDate = showDate;
        chart.settings().showTime = showTime;
        chart.settings().dateTimeOneLine = oneLine;
        chart.UpdateBottomBand();
        dialog.m_showDate = showDate;
        dialog.m_showTime = showTime;
        dialog.m_oneLine = oneLine;
        ensureApplication();
        ASSERT_TRUE(dialog.Create());
        dialog.ShowWindow(SW_SHOW);
        test::activate(dialog);
    }

    CChartCtrl chart;
    CDateFormatDlg dialog{chart};
};

TEST_F(DateFormatDlgTest, EachBoxChangesTheTimeBandAtOnceAndTheDialogStaysOpen)
{
    create(1, 1, 0);
    EXPECT_EQ(chart.bottomBandHeight(), 55);
    click(dialog, IDC_DATE_SHOW_DATE);
    EXPECT_EQ(chart.settings().showDate, 0);
    EXPECT_EQ(chart.bottomBandHeight(), 45);
    click(dialog, IDC_DATE_SHOW_DATE);
    // One line matters only with date and time; neither leaves ten pixels.
    click(dialog, IDC_DATE_ONE_LINE);
    EXPECT_EQ(chart.settings().dateTimeOneLine, 1);
    EXPECT_EQ(chart.bottomBandHeight(), 95);
    click(dialog, IDC_DATE_SHOW_TIME);
    EXPECT_EQ(chart.bottomBandHeight(), 55);
    click(dialog, IDC_DATE_SHOW_DATE);
    EXPECT_EQ(chart.bottomBandHeight(), 10);
    EXPECT_TRUE(dialog.IsWindowVisible());
}

TEST_F(DateFormatDlgTest, CloseEscapeAndTheCloseBoxHideAndShowingAgainKeepsTheBoxes)
{
    create(1, 0, 1);
    EXPECT_TRUE(isChecked(dialog, IDC_DATE_ONE_LINE));
    EXPECT_FALSE(isChecked(dialog, IDC_DATE_SHOW_TIME));
    click(dialog, IDC_DATE_SHOW_TIME);
    click(dialog, IDC_DATE_CLOSE);
    EXPECT_FALSE(dialog.IsWindowVisible());

    dialog.ShowWindow(SW_SHOW);
    EXPECT_TRUE(isChecked(dialog, IDC_DATE_SHOW_TIME));
    test::activate(dialog);
    test::pressKey(dialog, IDC_DATE_SHOW_DATE, Qt::Key_Escape);
    EXPECT_FALSE(dialog.IsWindowVisible());
    dialog.ShowWindow(SW_SHOW);
    dialog.GetSafeHwnd()->close();
    EXPECT_FALSE(dialog.IsWindowVisible());
    ASSERT_NE(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(chart.settings().showTime, 1);
}

} // namespace
} // namespace zyfo
