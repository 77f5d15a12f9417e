// Tests of the settings store over the per-user registry file: values taken raw, and odd
// values left by hand. Defaults and a deleted key are tested with the whole program.
#include "SettingsStore.h"
#include "RegistryValues.h"
#include "UserFolders.h"

#include <gtest/gtest.h>

namespace zyfo {
namespace {

using namespace test;

class SettingsStoreTest : public ::testing::Test
{
protected:
    test::UserFolders folders;
    ChartSettings chart;
    LiveUpdateSettings liveUpdate;
    SettingsStore store{chart, liveUpdate};
    CRegistryKey key;
};

TEST_F(SettingsStoreTest, LoadsEveryValueIntoItsFieldUnclamped)
{
    const std::uint32_t values[] = {0x00123456, 0x00ABCDEF, 50, 100000,     0, 1,
                                    0,          1,          1,  0xFFFFFFFF, 1, 7};
    for (std::size_t i = 0; i < std::size(kSettingNames); ++i)
        writeDword(kSettingNames[i], values[i]);
    store.Load(key);

    EXPECT_EQ(chart.backColor, 0x00123456u);
    EXPECT_EQ(chart.textColor, 0x00ABCDEFu);
    EXPECT_EQ(chart.lineWidth, 50); // out of the dialog's range, still used as it is
    EXPECT_EQ(chart.maxPoints, 100000);
    EXPECT_EQ(chart.showDate, 0);
    EXPECT_EQ(chart.showMeans, 1);
    EXPECT_EQ(chart.showTime, 0);
    EXPECT_EQ(chart.dateTimeOneLine, 1);
    EXPECT_EQ(liveUpdate.on, 1);
    EXPECT_EQ(liveUpdate.period, -1);
    EXPECT_EQ(liveUpdate.lastOn, 1);
    EXPECT_EQ(liveUpdate.lastCount, 7);

    // Stored back unchanged, whatever their range.
    store.Store(key);
    for (std::size_t i = 0; i < std::size(kSettingNames); ++i)
        EXPECT_EQ(storedDword(kSettingNames[i]), values[i]) << kSettingNames[i];
}

TEST_F(SettingsStoreTest, ALongValueIsReplacedByADwordAndAShortOneReadWithoutBytesOfAnother)
{
    writeValue("TEXT", REG_SZ, {'b', 'i', 'a', 'l', 'y', 0});
    // AV follows APROKSYMACJA; its one byte must not borrow the upper bytes of 0x12345678.
    writeDword("APROKSYMACJA", 0x12345678);
    writeValue("AV", REG_BINARY, {1});
    writeValue("ONLINE_DRAW_LAST", REG_BINARY, {0x2C, 0x01}); // 300, little-endian
    store.Load(key);
    EXPECT_EQ(chart.textColor, 0xFFFFFFu) << "the long value is ignored";
    EXPECT_EQ(chart.maxPoints, 0x12345678);
    EXPECT_EQ(chart.showMeans, 1);
    EXPECT_EQ(liveUpdate.lastCount, 300);
    store.Store(key);
    EXPECT_EQ(storedDword("TEXT"), 0xFFFFFFu);
}

} // namespace
} // namespace zyfo
