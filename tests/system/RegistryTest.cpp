// The per-user registry store behind CRegistryKey: readable text, atomic replacement that
// survives a writer killed at any moment, deleted keys stay deleted.
#include "CRegistryKey.h"
#include "FileContents.h"
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace zyfo {
namespace {

namespace fs = std::filesystem;

const std::string settingsKey = "SOFTWARE\\VENTRO\\ZYFO_1.0";

class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_environment.set("XDG_CONFIG_HOME", m_temporary.path().string());
        ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, settingsKey));
    }

    fs::path storeFile() const { return m_temporary.path() / "VENTRO" / "registry.reg"; }

    std::string storeText() const { return test::readFile(storeFile()); }

    void writeDword(CRegistryKey &to, const std::string &name, DWORD value)
    {
        ASSERT_TRUE(to.WriteValue(name, &value, REG_DWORD, sizeof value));
    }

    test::TemporaryFolder m_temporary{"zyfo-registry"};
    test::ScopedEnvironment m_environment;
    CRegistryKey key;
};

TEST_F(RegistryTest, ValuesAreKeptAsReadableTextAndReadBackWithTheirSize)
{
    writeDword(key, "TEXT", 0xFFFFFF);
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
    writeDword(key, "LINIA", 3);
    // The person deletes the key while the program runs.
    std::string text = storeText();
    text.erase(text.find("[HKEY_CURRENT_USER\\SOFTWARE\\VENTRO\\ZYFO_1.0]"));
    std::ofstream(storeFile(), std::ios::trunc) << text;

    DWORD value = 4;
    EXPECT_FALSE(key.WriteValue("LINIA", &value, REG_DWORD, 4));
    EXPECT_EQ(key.GetLastError(), ERROR_KEY_DELETED);
    CRegistryKey store;
    EXPECT_FALSE(store.Open(HKEY_CURRENT_USER, settingsKey));
    EXPECT_EQ(storeText().find("ZYFO_1.0"), std::string::npos) << "nothing recreated it";
}

TEST_F(RegistryTest, AWriterKilledAtAnyMomentLeavesACompleteFile)
{
    std::vector<std::string> names;
    for (int i = 0; i < 12; ++i)
        names.push_back("VALUE" + std::to_string(i));
    for (DWORD round = 1; round <= 6; ++round) {
        // Every value starts at this round's base; the writer then stores base + 1, base + 2,
        // ... into the values in their order, over and over.
        const DWORD base = round * 1000000;
        for (const std::string &name : names)
            writeDword(key, name, base);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            CRegistryKey writer;
            if (!writer.Open(HKEY_CURRENT_USER, settingsKey))
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
            CRegistryKey reader;
            ASSERT_TRUE(reader.Open(HKEY_CURRENT_USER, settingsKey));
            for (const std::string &name : names) {
                DWORD value = 0;
                ASSERT_TRUE(reader.ReadDword(name, &value)) << name << " in round " << round;
                if (&name != &names.front())
                    continue;
                changes += value != first ? 1 : 0;
                first = value;
            }
        }
        EXPECT_GE(changes, 3) << "the writer did not get under way in round " << round;
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        // What was written before the kill is all there: the values written last in the
        // interrupted pass hold one generation, the rest the one before.
        CRegistryKey after;
        ASSERT_TRUE(after.Open(HKEY_CURRENT_USER, settingsKey));
        DWORD previous = 0;
        ASSERT_TRUE(after.ReadDword(names.front(), &previous));
        const DWORD newest = previous;
        EXPECT_GT(newest, base) << "the writer got some values written";
        for (const std::string &name : names) {
            DWORD value = 0;
            ASSERT_TRUE(after.ReadDword(name, &value));
            EXPECT_LE(value, previous) << name;
            EXPECT_GE(value + 1, newest) << name;
            previous = value;
        }
        writeDword(after, "MARKER", round); // the store stays writable after the crash
    }
}

} // namespace
} // namespace zyfo
