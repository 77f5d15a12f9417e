// The settings store when a write fails on a full disk: the old file stays byte for byte,
// nothing is left behind, and the store works once there is room.
#include "CRegistryKey.h"
#include "FileContents.h"
#include "FileSizeLimit.h"
#include "OpenDescriptors.h"
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <iterator>

namespace zyfo {
namespace {

namespace fs = std::filesystem;
using test::readFile;

const std::string kSettingsKey = "SOFTWARE\\VENTRO\\ZYFO_1.0";
const std::array<const char *, 4> kSomeSettings = {"TLO", "LINIA", "ONLINE_TIME",
                                                   "ONLINE_DRAW_LAST"};

BOOL write(CRegistryKey &key, const char *name, DWORD value)
{
    return key.WriteValue(name, &value, REG_DWORD, sizeof value);
}

TEST(SettingsFault, AFullDiskKeepsTheOldFileAndLeavesNothingBehind)
{
    const test::TemporaryFolder home("zyfo-settings-fault");
    test::ScopedEnvironment environment;
    environment.set("XDG_CONFIG_HOME", home.path().string());
    const fs::path file = home.path() / "VENTRO" / "registry.reg";
    {
        CRegistryKey key;
        ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kSettingsKey));
        for (const char *name : kSomeSettings)
            ASSERT_TRUE(write(key, name, 5));
    }
    const std::string old = readFile(file);
    ASSERT_FALSE(old.empty());
    // Only the store and its lock are in its folder: no temporary file was left behind.
    const auto entries = [&] {
        return std::distance(fs::directory_iterator(home.path() / "VENTRO"), {});
    };
    const auto entriesBefore = entries();
    const int descriptors = openDescriptors();
    {
        CRegistryKey key;
        ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kSettingsKey));
        const FileSizeLimit nearlyFull(old.size() / 2);
        for (const char *name : kSomeSettings) {
            EXPECT_FALSE(write(key, name, 9)) << name;
            EXPECT_EQ(key.GetLastError(), ERROR_ACCESS_DENIED);
        }
    }
    EXPECT_EQ(readFile(file), old);
    EXPECT_EQ(entries(), entriesBefore);
    EXPECT_EQ(openDescriptors(), descriptors);

    // Every setting still reads as it was stored before the failures, and a write works again.
    CRegistryKey key;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kSettingsKey));
    for (const char *name : kSomeSettings) {
        DWORD value = 0;
        EXPECT_TRUE(key.ReadDword(name, &value)) << name;
        EXPECT_EQ(value, 5u) << name;
    }
    EXPECT_TRUE(write(key, "LINIA", 8));
}

} // namespace
} // namespace zyfo
