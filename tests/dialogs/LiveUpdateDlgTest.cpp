// The "Uaktualnianie pomiarów" dialog: limits on leaving an edit, greying, OK right after typing;
// Enter and Esc validate the edit and never end it.
#include "CLiveUpdateDlg.h"
#include "DialogDriver.h"
#include "DialogIds.h"

#include <gtest/gtest.h>

namespace zyfo {
namespace {

using test::click;
using test::isEnabled;
using test::runModal;
using test::textOf;
using test::typeInto;

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

// An edit is validated when it loses the focus: to another control, or to the dialog itself on
// Enter and Escape, which never end the dialog.
TEST_F(LiveUpdateDlgTest, EditsAreKeptWithinTheirLimitsOnLeavingAndEnterAndEscapeNeverEndIt)
{
    struct Case
    {
        int id;
        const char *typed;
        const char *shown;
        Qt::Key key; // none: the focus moves to the other edit
    };
    const Case cases[] = {{IDC_LIVE_PERIOD, "1", "2", Qt::Key_unknown},
                          {IDC_LIVE_PERIOD, "20000", "10000", Qt::Key_unknown},
                          {IDC_LIVE_PERIOD, "", "2", Qt::Key_unknown},
                          {IDC_LIVE_LAST_COUNT, "3", "5", Qt::Key_unknown},
                          {IDC_LIVE_LAST_COUNT, "99999", "50000", Qt::Key_unknown},
                          {IDC_LIVE_PERIOD, "1", "2", Qt::Key_Return},
                          {IDC_LIVE_LAST_COUNT, "3", "5", Qt::Key_Escape}};
    runModal(dialog, [&] {
        for (const Case &c : cases) {
            typeInto(dialog, c.id, c.typed);
            if (c.key == Qt::Key_unknown)
                test::focus(dialog,
                            c.id == IDC_LIVE_PERIOD ? IDC_LIVE_LAST_COUNT : IDC_LIVE_PERIOD);
            else
                QTest::keyClick(test::widgetOf(dialog, c.id), c.key);
            EXPECT_EQ(textOf(dialog, c.id), c.shown) << c.typed << " " << c.key;
            EXPECT_TRUE(dialog.IsWindowVisible());
        }
        click(dialog, IDC_LIVE_CANCEL);
    });
}

TEST_F(LiveUpdateDlgTest, UpdatesOffGreyTheRestAndOnAgainBringBackTheLastGroupOnlyWhenTicked)
{
    const int periodGroup[] = {IDC_LIVE_PERIOD, IDC_LIVE_PERIOD_LABEL, IDC_LIVE_SECONDS_LABEL,
                               IDC_LIVE_LAST_ON};
    const int lastGroup[] = {IDC_LIVE_LAST_COUNT, IDC_LIVE_SHOW_LABEL, IDC_LIVE_LAST_LABEL};
    for (const int lastOn : {1, 0}) {
        SCOPED_TRACE(lastOn);
        dialog.m_lastOn = lastOn;
        runModal(dialog, [&] {
            for (const bool on : {false, true}) {
                click(dialog, IDC_LIVE_UPDATE);
                for (const int id : periodGroup)
                    EXPECT_EQ(isEnabled(dialog, id), on) << id;
                for (const int id : lastGroup)
                    EXPECT_EQ(isEnabled(dialog, id), on && lastOn == 1) << id;
            }
            click(dialog, IDC_LIVE_CANCEL);
        });
    }
}

// OK takes the focus from the edit, which validates it before the dialog ends.
TEST_F(LiveUpdateDlgTest, OkRightAfterTypingStoresTheValueWithinItsLimits)
{
    struct Case
    {
        int id;
        const char *typed;
        int CLiveUpdateDlg::*value;
        int stored;
    };
    const Case cases[] = {{IDC_LIVE_PERIOD, "20000", &CLiveUpdateDlg::m_period, 10000},
                          {IDC_LIVE_LAST_COUNT, "3", &CLiveUpdateDlg::m_lastCount, 5}};
    for (const Case &c : cases) {
        EXPECT_EQ(runModal(dialog,
                           [&] {
                               typeInto(dialog, c.id, c.typed);
                               click(dialog, IDC_LIVE_OK);
                           }),
                  IDOK);
        EXPECT_EQ(dialog.*c.value, c.stored) << c.typed;
    }
}

} // namespace
} // namespace zyfo
