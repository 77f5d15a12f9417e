// The "Uaktualnianie pomiarów" dialog: limits on leaving an edit; Enter and Esc never end it.
#include "CLiveUpdateDlg.h"
#include "DialogDriver.h"
#include "DialogIds.h"

#include <gtest/gtest.h>

namespace zyfo {
namespace {

using test::textOf;

class LiveUpdateDlgTest : public ::testing::Test
{
protected:
    LiveUpdateDlgTest()
    {
        dialog.m_period = 5;
        dialog.m_updateOn = 1;
        dialog.m_lastCount = 100;
        dialog.m_lastOn = 1;
    }

    CLiveUpdateDlg dialog;
};

TEST_F(LiveUpdateDlgTest, EditsAreKeptWithinTheirLimitsOnLeaving)
{
    struct Case
    {
        int id;
        const char *typed;
        const char *shown;
    };
    const Case cases[] = {{IDC_LIVE_PERIOD, "1", "2"},
                          {IDC_LIVE_PERIOD, "20000", "10000"},
                          {IDC_LIVE_LAST_COUNT, "3", "5"},
                          {IDC_LIVE_LAST_COUNT, "99999", "50000"}};
    test::runModal(dialog, [&] {
        for (const Case &c : cases) {
            test::typeInto(dialog, c.id, c.typed);
            test::focus(dialog, c.id == IDC_LIVE_PERIOD ? IDC_LIVE_LAST_COUNT : IDC_LIVE_PERIOD);
            EXPECT_EQ(textOf(dialog, c.id), c.shown) << c.typed;
        }
        test::click(dialog, IDC_LIVE_CANCEL);
    });
}

TEST_F(LiveUpdateDlgTest, NeitherEnterNorEscapeEndsTheDialog)
{
    test::runModal(dialog, [&] {
        test::pressKey(dialog, IDC_LIVE_PERIOD, Qt::Key_Return);
        test::pressKey(dialog, IDC_LIVE_LAST_COUNT, Qt::Key_Escape);
        EXPECT_TRUE(dialog.IsWindowVisible());
        test::click(dialog, IDC_LIVE_CANCEL);
    });
}

} // namespace
} // namespace zyfo
