// The program's dialog templates made into windows, with their controls where their dialog
// units put them.
#include "Resources.h"
#include "Application.h"
#include "CDialog.h"
#include "DialogIds.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <set>

namespace zyfo {
namespace {

class ResourcesTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ensureApplication(); }
};

TEST_F(ResourcesTest, EveryTemplateBuildsWithItsControlsInPlace)
{
    std::set<int> ids;
    for (const DialogTemplate *dialogTemplate :
         {&aboutDialogTemplate(), &mainDialogTemplate(), &splashDialogTemplate(),
          &dateFormatDialogTemplate(), &chartSettingsDialogTemplate(), &liveUpdateDialogTemplate(),
          &reportDialogTemplate()}) {
        SCOPED_TRACE(dialogTemplate->id);
        EXPECT_TRUE(ids.insert(dialogTemplate->id).second) << "template ids are unique";
        CDialog dialog(*dialogTemplate);
        ASSERT_TRUE(dialog.Create());
        EXPECT_FALSE(dialog.IsWindowVisible()) << "created hidden";
        CRect client;
        dialog.GetClientRect(&client);
        // 6 x 12 base units: x * 6 / 4 and y * 12 / 8, rounded half up.
        EXPECT_EQ(client.Width(), (dialogTemplate->cx * 6 + 2) / 4);
        EXPECT_EQ(client.Height(), (dialogTemplate->cy * 12 + 4) / 8);
        std::set<int> controls;
        for (const DialogItem &item : dialogTemplate->items) {
            if (item.id == IDC_STATIC)
                continue;
            EXPECT_TRUE(controls.insert(item.id).second) << "control " << item.id << " twice";
            CWnd *control = dialog.GetDlgItem(item.id);
            ASSERT_NE(control, nullptr) << item.id;
            QRect geometry = control->GetSafeHwnd()->geometry();
            EXPECT_EQ(geometry.topLeft(), QPoint((item.x * 6 + 2) / 4, (item.y * 12 + 4) / 8))
                << item.id;
        }
    }
}

} // namespace
} // namespace zyfo
