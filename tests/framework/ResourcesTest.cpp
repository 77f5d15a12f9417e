// The program's resources made into windows: every template builds with its controls where
// its dialog units put them, labels show their whole text, the pictures decode at their sizes,
// and the splash shows before the program sleeps.
#include "Resources.h"
#include "CDialog.h"
#include "DialogIds.h"
#include "WindowTestSupport.h"

#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace zyfo {
namespace {

const std::vector<const DialogTemplate *> &allTemplates()
{
    static const std::vector<const DialogTemplate *> templates{
        &aboutDialogTemplate(),      &mainDialogTemplate(),          &splashDialogTemplate(),
        &dateFormatDialogTemplate(), &chartSettingsDialogTemplate(), &liveUpdateDialogTemplate(),
        &reportDialogTemplate()};
    return templates;
}

QImage decoded(ImageData data)
{
    return QImage::fromData(data.data(), static_cast<int>(data.size()), "PNG");
}

class ResourcesTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ensureApplication(); }
};

TEST_F(ResourcesTest, EveryTemplateBuildsWithItsControlsInPlace)
{
    std::set<int> ids;
    for (const DialogTemplate *dialogTemplate : allTemplates()) {
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

TEST_F(ResourcesTest, LabelsShowTheirWholeText)
{
    CDialog dialog(liveUpdateDialogTemplate());
    ASSERT_TRUE(dialog.Create());
    auto *label = qobject_cast<QLabel *>(dialog.GetDlgItem(IDC_LIVE_LAST_LABEL)->GetSafeHwnd());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("ostatnich pomiarów"));
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    std::string text;
    dialog.GetDlgItem(IDC_LIVE_PERIOD_LABEL)->GetWindowText(text);
    EXPECT_EQ(text, "Sprawdzaj dane w  pliku co") << "two blanks after w";
}

TEST_F(ResourcesTest, PicturesDecodeAtTheirSizesAndTheSplashWindowIsACaptionlessPicture)
{
    EXPECT_EQ(decoded(aboutPicture()).size(), QSize(144, 144));
    std::vector<int> sizes;
    for (ImageData image : programIcon().images)
        sizes.push_back(decoded(image).width());
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48, 256}));
    EXPECT_NE(helpDocument().find("<a name=\"context-100\">"), std::string::npos);

    EXPECT_EQ(decoded(splashPicture()).size(), QSize(504, 316));
    CDialog splash(splashDialogTemplate());
    ASSERT_TRUE(splash.Create());
    EXPECT_TRUE(splash.GetSafeHwnd()->windowFlags() & Qt::FramelessWindowHint);
    auto *picture = splash.GetSafeHwnd()->findChild<QLabel *>();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), QRect(0, 0, 252, 158));
    splash.ShowWindow(SW_SHOW);
    EXPECT_EQ(picture->pixmap().size(), QSize(252, 158)) << "the picture fills the control";
}

TEST_F(ResourcesTest, SplashIsOnTheScreenBeforeTheProgramSleeps)
{
    // Under a real X server: the demo shows the splash as the program starts and photographs
    // the screen right after UpdateWindow, before any event is handled.
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("splash.png"));
    std::string command = "env -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s "
                          "'-screen 0 640x480x24' " ZYFO_TEMPLATE_DEMO " --template 131 "
                          "--screenshot '" +
                          path.toStdString() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    QImage shown(path);
    ASSERT_EQ(shown.size(), QSize(254, 160)) << "252 x 158 pixels and a one-pixel border";
    EXPECT_LT(shown.pixelColor(127, 12).lightness(), 90) << "the dark sky of the picture";
    EXPECT_GT(shown.pixelColor(127, 12).blue(), shown.pixelColor(127, 12).red());
}

} // namespace
} // namespace zyfo
