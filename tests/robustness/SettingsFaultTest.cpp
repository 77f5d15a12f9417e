// The settings store when a write fails on a full disk: the old file stays byte for byte,
// nothing is left behind, and the store works once there is room.
#include "CRegistryKey.h"
#include "FileSizeLimit.h"
#include "OpenDescriptors.h"
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zyfo {
namespace {

namespace fs = std::filesystem;
using testing::readAll;

const std::string kSettingsKey = "SOFTWARE\\VENTRO\\ZYFO_1.0";
const std::array<const char *, 4> kSomeSettings = {"TLO", "LINIA", "ONLINE_TIME",
                                                   "ONLINE_DRAW_LAST"};

class SettingsFault : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_environment.set("XDG_CONFIG_HOME", m_home.string());
        CRegistryKey key;
        ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kSettingsKey));
        for (const char *name : kSomeSettings)
            ASSERT_TRUE(write(key, name, 5));
        m_old = readAll(file());
        ASSERT_FALSE(m_old.empty());
    }

    fs::path file() const { return m_home / "VENTRO" / "registry.reg"; }

    static BOOL write(CRegistryKey &key, const char *name, DWORD value)
    {
        return key.WriteValue(name, &value, REG_DWORD, sizeof value);
    }

    // Only the store and its lock are in its folder: no temporary file was left behind.
    std::vector<std::string> folderEntries() const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry &entry : fs::directory_iterator(file().parent_path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TemporaryFolder m_temporary{"zyfo-settings-fault"};
    const fs::path &m_home = m_temporary.path();
    test::ScopedEnvironment m_environment;
    std::string m_old;
};

TEST_F(SettingsFault, AFullDiskKeepsTheOldFileAndLeavesNothingBehind)
{
    const std::vector<std::string> entries = folderEntries();
    const int descriptors = openDescriptors();
    {
        CRegistryKey key;
        ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kSettingsKey));
        const FileSizeLimit nearlyFull(m_old.size() / 2);
        for (const char *name : kSomeSettings) {
            EXPECT_FALSE(write(key, name, 9)) << name;
            EXPECT_EQ(key.GetLastError(), ERROR_ACCESS_DENIED);
        }
    }
    EXPECT_EQ(readAll(file()), m_old);
    EXPECT_EQ(folderEntries(), entries);
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
