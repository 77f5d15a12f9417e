// The per-user registry store behind CRegistryKey: types and sizes kept, human-readable text,
// atomic replacement that survives a writer killed at any moment, deleted keys stay deleted.
#include "CRegistryKey.h"
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace zyfo {
namespace {

namespace fs = std::filesystem;

const std::string settingsKey = "SOFTWARE\\VENTRO\\ZYFO_1.0";
const std::array<const char *, 12> settingNames = {"TLO",
                                                   "TEXT",
                                                   "LINIA",
                                                   "APROKSYMACJA",
                                                   "DATA",
                                                   "AV",
                                                   "CZAS",
                                                   "DATA_LINIA",
                                                   "ONLINE_CHECK",
                                                   "ONLINE_TIME",
                                                   "ONLINE_CHECK_LAST",
                                                   "ONLINE_DRAW_LAST"};

std::string readText(const fs::path &file)
{
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { m_environment.set("XDG_CONFIG_HOME", m_home.string()); }

    fs::path storeFile() const { return m_home / "VENTRO" / "registry.reg"; }

    void writeDword(CRegistryKey &key, const char *name, DWORD value)
    {
        ASSERT_TRUE(key.WriteValue(name, &value, REG_DWORD, sizeof value));
    }

    test::TemporaryFolder m_temporary{"zyfo-registry"};
    const fs::path &m_home = m_temporary.path();
    test::ScopedEnvironment m_environment;
};

TEST_F(RegistryTest, FirstCreateMakesTheKeyAndItsParents)
{
    CRegistryKey key;
    EXPECT_FALSE(key.Open(HKEY_CURRENT_USER, settingsKey));
    EXPECT_EQ(key.GetLastError(), ERROR_FILE_NOT_FOUND);
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, settingsKey));
    EXPECT_TRUE(key.IsOpen());
    std::string text = readText(storeFile());
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\SOFTWARE]\n"), std::string::npos);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\SOFTWARE\\VENTRO]\n"), std::string::npos);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\SOFTWARE\\VENTRO\\ZYFO_1.0]\n"), std::string::npos);
    EXPECT_TRUE(key.Close());
    EXPECT_FALSE(key.Close()) << "no key is held any more";
    EXPECT_FALSE(key.ReadDword("TLO", nullptr));

    CRegistryKey again;
    EXPECT_TRUE(again.Open(HKEY_CURRENT_USER, "software\\ventro\\zyfo_1.0\\"))
        << "names ignore case and stray backslashes";
}

TEST_F(RegistryTest, ValuesKeepTheirTypeAndSize)
{
    CRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, settingsKey));
    writeDword(key, "TEXT", 0xFFFFFF);
    writeDword(key, "LINIA", 2);
    const std::uint16_t shortValue = 0x0102;
    ASSERT_TRUE(key.WriteValue("SHORT", &shortValue, REG_DWORD, sizeof shortValue));
    const char text[] = "na \"dworze\" \\ 50%";
    ASSERT_TRUE(key.WriteValue("NAME", text, REG_SZ, sizeof text));
    const std::uint8_t bytes[] = {0x00, 0xFF, 0x7F};
    ASSERT_TRUE(key.WriteValue("RAW", bytes, REG_BINARY, sizeof bytes));
    ASSERT_TRUE(key.WriteValue("EMPTY", nullptr, REG_BINARY, 0));

    std::string file = readText(storeFile());
    EXPECT_NE(file.find("\"TEXT\"=dword:00ffffff\n"), std::string::npos) << file;
    EXPECT_NE(file.find("\"LINIA\"=dword:00000002\n"), std::string::npos);
    EXPECT_NE(file.find("\"SHORT\"=hex(4):02,01\n"), std::string::npos);
    EXPECT_NE(file.find("\"NAME\"=\"na \\\"dworze\\\" \\\\ 50%\"\n"), std::string::npos);
    EXPECT_NE(file.find("\"RAW\"=hex(3):00,ff,7f\n"), std::string::npos);

    CRegistryKey reader;
    ASSERT_TRUE(reader.Open(HKEY_CURRENT_USER, settingsKey));
    DWORD value = 0;
    ASSERT_TRUE(reader.ReadDword("linia", &value));
    EXPECT_EQ(value, 2u);
    char readBack[sizeof text] = {};
    ASSERT_TRUE(reader.QueryValue("NAME", readBack, sizeof readBack));
    EXPECT_EQ(std::memcmp(readBack, text, sizeof text), 0);

    // A value of two bytes fills two bytes of a four-byte buffer; the rest stays as it was.
    DWORD buffer = 0xAAAAAAAA;
    DWORD error = 99;
    ASSERT_TRUE(reader.ReadDword("SHORT", &buffer, &error));
    EXPECT_EQ(buffer, 0xAAAA0102u);
    EXPECT_EQ(error, ERROR_SUCCESS);

    // A value longer than the buffer is refused and the buffer left alone.
    buffer = 5;
    EXPECT_FALSE(reader.ReadDword("NAME", &buffer, &error));
    EXPECT_EQ(error, ERROR_MORE_DATA);
    EXPECT_EQ(buffer, 5u);
    EXPECT_FALSE(reader.ReadDword("MISSING", &buffer, &error));
    EXPECT_EQ(error, ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(reader.QueryValue("EMPTY", nullptr, 0));

    // Rewriting with another type replaces type and size.
    writeDword(key, "NAME", 7);
    EXPECT_NE(readText(storeFile()).find("\"NAME\"=dword:00000007\n"), std::string::npos);
}

TEST_F(RegistryTest, HandEditedValuesAreReadAndBrokenLinesSkipped)
{
    fs::create_directories(storeFile().parent_path());
    std::ofstream(storeFile()) << "[HKEY_CURRENT_USER\\SOFTWARE\\VENTRO\\ZYFO_1.0]\r\n"
                                  "\"LINIA\"=dword:00000032\r\n"
                                  "\"TLO\"=dword:zz\n"
                                  "garbage line\n"
                                  "\"AV\"=hex(4):01,00,00,00\n";
    CRegistryKey key;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, settingsKey));
    DWORD value = 0;
    ASSERT_TRUE(key.ReadDword("LINIA", &value));
    EXPECT_EQ(value, 50u) << "an out-of-range value is read as it stands";
    ASSERT_TRUE(key.ReadDword("AV", &value));
    EXPECT_EQ(value, 1u);
    EXPECT_FALSE(key.ReadDword("TLO", &value));
}

TEST_F(RegistryTest, ADeletedKeyIsNotRecreatedByOpenOrWrites)
{
    CRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, settingsKey));
    writeDword(key, "LINIA", 3);
    key.Close();

    // The person deletes the key while the program runs.
    CRegistryKey held;
    ASSERT_TRUE(held.Open(HKEY_CURRENT_USER, settingsKey));
    std::string text = readText(storeFile());
    std::string section = "[HKEY_CURRENT_USER\\SOFTWARE\\VENTRO\\ZYFO_1.0]";
    text.erase(text.find(section));
    std::ofstream(storeFile(), std::ios::trunc) << text;

    DWORD value = 4;
    EXPECT_FALSE(held.WriteValue("LINIA", &value, REG_DWORD, 4));
    EXPECT_EQ(held.GetLastError(), ERROR_KEY_DELETED);
    CRegistryKey store;
    EXPECT_FALSE(store.Open(HKEY_CURRENT_USER, settingsKey));
    EXPECT_EQ(readText(storeFile()).find("ZYFO_1.0"), std::string::npos) << "nothing recreated it";

    fs::remove(storeFile());
    EXPECT_FALSE(store.Open(HKEY_CURRENT_USER, settingsKey));
    EXPECT_FALSE(fs::exists(storeFile()));
    ASSERT_TRUE(store.Create(HKEY_CURRENT_USER, settingsKey)) << "the next start recreates it";
    EXPECT_FALSE(store.ReadDword("LINIA", &value));
}

TEST_F(RegistryTest, AWriterKilledAtAnyMomentLeavesACompleteFile)
{
    CRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, settingsKey));
    for (DWORD round = 1; round <= 6; ++round) {
        // Every value starts at this round's base; the writer then stores base + 1, base + 2,
        // ... into the values in their order, over and over.
        const DWORD base = round * 1000000;
        for (const char *name : settingNames)
            writeDword(key, name, base);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            CRegistryKey writer;
            if (!writer.Open(HKEY_CURRENT_USER, settingsKey))
                _exit(2);
            for (DWORD generation = base + 1;; ++generation)
                for (const char *name : settingNames)
                    writer.WriteValue(name, &generation, REG_DWORD, sizeof generation);
        }
        // The writer is under way once the first value has moved on from the base.
        for (int wait = 0; wait < 10000; ++wait) {
            CRegistryKey probe;
            DWORD first = base;
            if (probe.Open(HKEY_CURRENT_USER, settingsKey) &&
                probe.ReadDword(settingNames[0], &first) && first > base)
                break;
            usleep(1000);
        }
        // Readers meanwhile always see every value: the file is replaced, never rewritten.
        for (int look = 0; look < 40; ++look) {
            CRegistryKey reader;
            ASSERT_TRUE(reader.Open(HKEY_CURRENT_USER, settingsKey));
            for (const char *name : settingNames) {
                DWORD value = 0;
                ASSERT_TRUE(reader.ReadDword(name, &value)) << name << " in round " << round;
            }
            usleep(500);
        }
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        // What was written before the kill is all there: the values written last in the
        // interrupted pass hold one generation, the rest the one before.
        CRegistryKey after;
        ASSERT_TRUE(after.Open(HKEY_CURRENT_USER, settingsKey));
        DWORD previous = 0;
        ASSERT_TRUE(after.ReadDword(settingNames[0], &previous));
        const DWORD newest = previous;
        EXPECT_GT(newest, base) << "the writer got some values written";
        for (const char *name : settingNames) {
            DWORD value = 0;
            ASSERT_TRUE(after.ReadDword(name, &value));
            EXPECT_LE(value, previous) << name;
            EXPECT_GE(value + 1, newest) << name;
            previous = value;
        }
        DWORD marker = round;
        ASSERT_TRUE(after.WriteValue("MARKER", &marker, REG_DWORD, 4))
            << "the store stays writable after the crash";
    }
}

} // namespace
} // namespace zyfo
