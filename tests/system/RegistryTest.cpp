// The per-user registry store behind CRegistryKey: readable text, atomic replacement that
// survives a writer killed at any moment, deleted keys stay deleted.
#include "CRegistryKey.h"
#include "FileContents.h"
#include "RegistryValues.h"
#include "UserFolders.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace zyfo {
namespace {

using test::kSettingsKey;

class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kSettingsKey)); }

    std::string storeText() const { return test::readFile(m_store); }

    // The first value of `names` that does not read back as a DWORD, or "".
    static std::string readAll(const std::vector<std::string> &names, std::vector<DWORD> &values)
    {
        CRegistryKey reader;
        if (!reader.Open(HKEY_CURRENT_USER, kSettingsKey))
            return "the key";
        values.assign(names.size(), 0);
        for (std::size_t i = 0; i < names.size(); ++i)
            if (!reader.ReadDword(names[i], &values[i]))
                return names[i];
        return {};
    }

    test::UserFolders m_folders;
    const std::filesystem::path m_store = m_folders.configHome() / "VENTRO" / "registry.reg";
    CRegistryKey key;
};

TEST_F(RegistryTest, ValuesAreKeptAsReadableTextAndReadBackWithTheirSize)
{
    const DWORD text = 0xFFFFFF;
    ASSERT_TRUE(key.WriteValue("TEXT", &text, REG_DWORD, sizeof text));
    const std::uint16_t shortValue = 0x0102;
    ASSERT_TRUE(key.WriteValue("SHORT", &shortValue, REG_DWORD, sizeof shortValue));
    EXPECT_NE(storeText().find("\"TEXT\"=dword:00ffffff\n"), std::string::npos) << storeText();
    // A value of two bytes fills two bytes of a four-byte buffer; the rest stays as it was.
    DWORD buffer = 0xAAAAAAAA;
    ASSERT_TRUE(key.ReadDword("SHORT", &buffer));
    EXPECT_EQ(buffer, 0xAAAA0102u);
}

TEST_F(RegistryTest, ADeletedKeyIsNotRecreatedByOpenOrWrites)
{
    test::writeDword("LINIA", 3);
    // The person deletes the key while the program runs.
    std::string text = storeText();
    text.erase(text.find("[HKEY_CURRENT_USER\\SOFTWARE\\VENTRO\\ZYFO_1.0]"));
    std::ofstream(m_store, std::ios::trunc) << text;

    DWORD value = 4;
    EXPECT_FALSE(key.WriteValue("LINIA", &value, REG_DWORD, 4));
    EXPECT_EQ(key.GetLastError(), ERROR_KEY_DELETED);
    CRegistryKey store;
    EXPECT_FALSE(store.Open(HKEY_CURRENT_USER, kSettingsKey));
    EXPECT_EQ(storeText().find("ZYFO_1.0"), std::string::npos) << "nothing recreated it";
}

TEST_F(RegistryTest, AWriterKilledAtAnyMomentLeavesACompleteFile)
{
    std::vector<std::string> names;
    for (int i = 0; i < 12; ++i)
        names.push_back("VALUE" + std::to_string(i));
    std::vector<DWORD> values;
    for (DWORD round = 1; round <= 6; ++round) {
        // Every value starts at this round's base; the writer then stores base + 1, base + 2,
        // ... into the values in their order, over and over.
        const DWORD base = round * 1000000;
        for (const std::string &name : names)
            test::writeDword(name, base);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            CRegistryKey writer;
            if (!writer.Open(HKEY_CURRENT_USER, kSettingsKey))
                _exit(2);
            for (DWORD generation = base + 1;; ++generation)
                for (const std::string &name : names)
                    writer.WriteValue(name, &generation, REG_DWORD, sizeof generation);
        }
        // Readers meanwhile always see every value: the file is replaced, never rewritten.
        // They read until they have seen the first value change a few times, however slowly
        // the writer gets under way on a loaded machine.
        DWORD first = base;
        int changes = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        for (int look = 0;
             (look < 40 || changes < 3) && std::chrono::steady_clock::now() < deadline; ++look) {
            ASSERT_EQ(readAll(names, values), "") << "in round " << round;
            changes += values.front() != first ? 1 : 0;
            first = values.front();
        }
        EXPECT_GE(changes, 3) << "the writer did not get under way in round " << round;
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        // What was written before the kill is all there: the values written last in the
        // interrupted pass hold one generation, the rest the one before.
        ASSERT_EQ(readAll(names, values), "");
        EXPECT_GT(values.front(), base) << "the writer got some values written";
        for (std::size_t i = 1; i < names.size(); ++i) {
            EXPECT_LE(values[i], values[i - 1]) << names[i];
            EXPECT_GE(values[i] + 1, values.front()) << names[i];
        }
        EXPECT_TRUE(key.WriteValue("MARKER", &round, REG_DWORD, sizeof round)); // still writable
    }
}

} // namespace
} // namespace zyfo
