// The settings store when a write fails on a full disk: the old file stays byte for byte,
// nothing is left behind, and the store works once there is room.
#include "CRegistryKey.h"
#include "FileContents.h"
#include "FileSizeLimit.h"
#include "OpenDescriptors.h"
#include "RegistryValues.h"
#include "UserFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

namespace zyfo {
namespace {

namespace fs = std::filesystem;

const char *const kSomeSettings[] = {"TLO", "LINIA", "ONLINE_TIME", "ONLINE_DRAW_LAST"};

BOOL write(CRegistryKey &key, const char *name, DWORD value)
{
    return key.WriteValue(name, &value, REG_DWORD, sizeof value);
}

TEST(SettingsFault, AFullDiskKeepsTheOldFileAndLeavesNothingBehind)
{
    const test::UserFolders folders;
    const fs::path folder = folders.configHome() / "VENTRO";
    for (const char *name : kSomeSettings)
        test::writeDword(name, 5);
    const std::string old = test::readFile(folder / "registry.reg");
    ASSERT_FALSE(old.empty());
    // Only the store and its lock are in its folder: no temporary file was left behind.
    const auto entries = [&] { return std::distance(fs::directory_iterator(folder), {}); };
    const auto entriesBefore = entries();
    const int descriptors = openDescriptors();
    CRegistryKey key;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, test::kSettingsKey));
    {
        const FileSizeLimit nearlyFull(old.size() / 2);
        for (const char *name : kSomeSettings) {
            EXPECT_FALSE(write(key, name, 9)) << name;
            EXPECT_EQ(key.GetLastError(), ERROR_ACCESS_DENIED);
        }
    }
    EXPECT_EQ(test::readFile(folder / "registry.reg"), old);
    EXPECT_EQ(entries(), entriesBefore);
    EXPECT_EQ(openDescriptors(), descriptors);

    // Every setting still reads as it was stored before the failures, and a write works again.
    for (const char *name : kSomeSettings) {
        DWORD value = 0;
        EXPECT_TRUE(key.ReadDword(name, &value)) << name;
        EXPECT_EQ(value, 5u) << name;
    }
    EXPECT_TRUE(write(key, "LINIA", 8));
}

} // namespace
} // namespace zyfo
