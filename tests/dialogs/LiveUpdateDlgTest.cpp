// The "Uaktualnianie pomiarów" dialog: limits on leaving an edit, greying, OK and "Anuluj";
// Enter and Esc never end it.
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

    // Types `text` into the edit and moves the focus to the other edit.
    void typeAndLeave(int id, const QString &text)
    {
        typeInto(dialog, id, text);
        test::focus(dialog, id == IDC_LIVE_PERIOD ? IDC_LIVE_LAST_COUNT : IDC_LIVE_PERIOD);
    }

    CLiveUpdateDlg dialog;
};

TEST_F(LiveUpdateDlgTest, PeriodIsKeptWithinTwoToTenThousandOnLeavingTheEdit)
{
    runModal(dialog, [&] {
        typeAndLeave(IDC_LIVE_PERIOD, "1");
        EXPECT_EQ(textOf(dialog, IDC_LIVE_PERIOD), "2");
        typeAndLeave(IDC_LIVE_PERIOD, "20000");
        EXPECT_EQ(textOf(dialog, IDC_LIVE_PERIOD), "10000");
        typeInto(dialog, IDC_LIVE_PERIOD, "");
        QTest::keyClick(test::widgetOf(dialog, IDC_LIVE_PERIOD), Qt::Key_Backspace);
        test::focus(dialog, IDC_LIVE_LAST_COUNT);
        EXPECT_EQ(textOf(dialog, IDC_LIVE_PERIOD), "2");
        click(dialog, IDC_LIVE_CANCEL);
    });
}

TEST_F(LiveUpdateDlgTest, LastCountIsKeptWithinFiveToFiftyThousand)
{
    runModal(dialog, [&] {
        typeAndLeave(IDC_LIVE_LAST_COUNT, "3");
        EXPECT_EQ(textOf(dialog, IDC_LIVE_LAST_COUNT), "5");
        typeAndLeave(IDC_LIVE_LAST_COUNT, "99999");
        EXPECT_EQ(textOf(dialog, IDC_LIVE_LAST_COUNT), "50000");
        click(dialog, IDC_LIVE_CANCEL);
    });
}

TEST_F(LiveUpdateDlgTest, OutOfRangeValuesAreShownWithinTheirLimitsAtOnce)
{
    dialog.m_period = 0;
    dialog.m_lastCount = 70000;
    runModal(dialog, [&] {
        EXPECT_EQ(textOf(dialog, IDC_LIVE_PERIOD), "2");
        EXPECT_EQ(textOf(dialog, IDC_LIVE_LAST_COUNT), "50000");
        click(dialog, IDC_LIVE_CANCEL);
    });
}

TEST_F(LiveUpdateDlgTest, EnterValidatesAndNeitherEnterNorEscapeEndsTheDialog)
{
    const int result = runModal(
        dialog,
        [&] {
            typeInto(dialog, IDC_LIVE_PERIOD, "1");
            QTest::keyClick(test::widgetOf(dialog, IDC_LIVE_PERIOD), Qt::Key_Return);
            EXPECT_EQ(textOf(dialog, IDC_LIVE_PERIOD), "2");
            EXPECT_TRUE(dialog.IsWindowVisible());
            test::pressKey(dialog, IDC_LIVE_LAST_COUNT, Qt::Key_Escape);
            EXPECT_TRUE(dialog.IsWindowVisible());
        },
        false);
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(LiveUpdateDlgTest, UpdateBoxGreysItsGroupAndBringsBackTheLastGroupOnlyWhenTicked)
{
    runModal(dialog, [&] {
        click(dialog, IDC_LIVE_UPDATE);
        for (int id :
             {IDC_LIVE_PERIOD, IDC_LIVE_PERIOD_LABEL, IDC_LIVE_SECONDS_LABEL, IDC_LIVE_LAST_ON,
              IDC_LIVE_LAST_COUNT, IDC_LIVE_SHOW_LABEL, IDC_LIVE_LAST_LABEL})
            EXPECT_FALSE(isEnabled(dialog, id)) << id;
        click(dialog, IDC_LIVE_UPDATE);
        EXPECT_TRUE(isEnabled(dialog, IDC_LIVE_PERIOD));
        EXPECT_TRUE(isEnabled(dialog, IDC_LIVE_LAST_COUNT));

        click(dialog, IDC_LIVE_LAST_ON);
        EXPECT_FALSE(isEnabled(dialog, IDC_LIVE_LAST_COUNT));
        EXPECT_FALSE(isEnabled(dialog, IDC_LIVE_SHOW_LABEL));
        click(dialog, IDC_LIVE_UPDATE);
        click(dialog, IDC_LIVE_UPDATE);
        EXPECT_TRUE(isEnabled(dialog, IDC_LIVE_LAST_ON));
        EXPECT_FALSE(isEnabled(dialog, IDC_LIVE_LAST_COUNT));
        click(dialog, IDC_LIVE_CANCEL);
    });
}

TEST_F(LiveUpdateDlgTest, WithUpdatingOffTheTickedLastGroupStartsGreyed)
{
    dialog.m_updateOn = 0;
    runModal(dialog, [&] {
        EXPECT_TRUE(test::isChecked(dialog, IDC_LIVE_LAST_ON));
        EXPECT_FALSE(isEnabled(dialog, IDC_LIVE_LAST_ON));
        EXPECT_FALSE(isEnabled(dialog, IDC_LIVE_LAST_COUNT));
        EXPECT_FALSE(isEnabled(dialog, IDC_LIVE_LAST_LABEL));
        click(dialog, IDC_LIVE_CANCEL);
    });
}

TEST_F(LiveUpdateDlgTest, OkRightAfterTypingTakesValidatedValuesAndGreyedOnesToo)
{
    const int result = runModal(dialog, [&] {
        typeInto(dialog, IDC_LIVE_LAST_COUNT, "3");
        click(dialog, IDC_LIVE_UPDATE);
        EXPECT_EQ(textOf(dialog, IDC_LIVE_LAST_COUNT), "5");
        click(dialog, IDC_LIVE_OK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_updateOn, 0);
    EXPECT_EQ(dialog.m_lastCount, 5);
    EXPECT_EQ(dialog.m_lastOn, 1);
    EXPECT_EQ(dialog.m_period, 5);
}

TEST_F(LiveUpdateDlgTest, TypedValueIsValidatedWhenOkTakesTheFocus)
{
    const int result = runModal(dialog, [&] {
        typeInto(dialog, IDC_LIVE_PERIOD, "20000");
        click(dialog, IDC_LIVE_OK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_period, 10000);
}

TEST_F(LiveUpdateDlgTest, CancelAndTheCloseBoxEndWithCancel)
{
    EXPECT_EQ(runModal(dialog, [&] { click(dialog, IDC_LIVE_CANCEL); }), IDCANCEL);
    CLiveUpdateDlg second;
    EXPECT_EQ(runModal(second, [&] { second.GetSafeHwnd()->close(); }), IDCANCEL);
}

} // namespace
} // namespace zyfo
