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

    CLiveUpdateDlg dialog;
};

TEST_F(LiveUpdateDlgTest, EditsAreShownWithinTheirLimitsAtOnceAndKeptThereOnLeaving)
{
    struct Case
    {
        int id;
        const char *typed;
        const char *shown;
    };
    const Case cases[] = {{IDC_LIVE_PERIOD, "1", "2"},
                          {IDC_LIVE_PERIOD, "20000", "10000"},
                          {IDC_LIVE_PERIOD, "", "2"},
                          {IDC_LIVE_LAST_COUNT, "3", "5"},
                          {IDC_LIVE_LAST_COUNT, "99999", "50000"}};
    dialog.m_period = 0;
    dialog.m_lastCount = 70000;
    runModal(dialog, [&] {
        EXPECT_EQ(textOf(dialog, IDC_LIVE_PERIOD), "2");
        EXPECT_EQ(textOf(dialog, IDC_LIVE_LAST_COUNT), "50000");
        for (const Case &c : cases) {
            SCOPED_TRACE(c.typed);
            typeInto(dialog, c.id, c.typed);
            if (*c.typed == '\0')
                QTest::keyClick(test::widgetOf(dialog, c.id), Qt::Key_Backspace);
            test::focus(dialog, c.id == IDC_LIVE_PERIOD ? IDC_LIVE_LAST_COUNT : IDC_LIVE_PERIOD);
            EXPECT_EQ(textOf(dialog, c.id), c.shown);
        }
        click(dialog, IDC_LIVE_CANCEL);
    });
}

TEST_F(LiveUpdateDlgTest, EnterValidatesAndNeitherEnterNorEscapeEndsTheDialogButTheCloseBoxDoes)
{
    const int result = runModal(dialog, [&] {
        typeInto(dialog, IDC_LIVE_PERIOD, "1");
        QTest::keyClick(test::widgetOf(dialog, IDC_LIVE_PERIOD), Qt::Key_Return);
        EXPECT_EQ(textOf(dialog, IDC_LIVE_PERIOD), "2");
        EXPECT_TRUE(dialog.IsWindowVisible());
        test::pressKey(dialog, IDC_LIVE_LAST_COUNT, Qt::Key_Escape);
        EXPECT_TRUE(dialog.IsWindowVisible());
        dialog.GetSafeHwnd()->close();
    });
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
        click(dialog, IDC_LIVE_UPDATE);
        click(dialog, IDC_LIVE_UPDATE);
        EXPECT_TRUE(isEnabled(dialog, IDC_LIVE_LAST_ON));
        EXPECT_FALSE(isEnabled(dialog, IDC_LIVE_LAST_COUNT));
        click(dialog, IDC_LIVE_CANCEL);
    });
}

TEST_F(LiveUpdateDlgTest, OkTakesValuesValidatedAsItTakesTheFocusAndGreyedOnesToo)
{
    EXPECT_EQ(runModal(dialog,
                       [&] {
                           typeInto(dialog, IDC_LIVE_LAST_COUNT, "3");
                           click(dialog, IDC_LIVE_UPDATE);
                           click(dialog, IDC_LIVE_OK);
                       }),
              IDOK);
    EXPECT_EQ(dialog.m_updateOn, 0);
    EXPECT_EQ(dialog.m_lastCount, 5);

    dialog.m_updateOn = 1;
    EXPECT_EQ(runModal(dialog,
                       [&] {
                           typeInto(dialog, IDC_LIVE_PERIOD, "20000");
                           click(dialog, IDC_LIVE_OK);
                       }),
              IDOK);
    EXPECT_EQ(dialog.m_period, 10000);
}

} // namespace
} // namespace zyfo
