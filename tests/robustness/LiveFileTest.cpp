// Following a data file on disk while it grows with damaged records, shrinks, is rewritten,
// replaced or removed between two live-update re-reads.
#include "FollowedFile.h"
#include "Generator.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace zyfo {
namespace {

namespace fs = std::filesystem;

// `count` records of a logger without damage; the same seed gives the same first records.
std::string loggerRecords(int count, std::uint64_t seed, int entries)
{
    GeneratorOptions options;
    options.seed = seed;
    options.entries = entries;
    Generator generator(options);
    std::string bytes;
    for (int i = 0; i < count; ++i)
        generator.appendNext(bytes);
    return bytes;
}

// Writes `bytes` to `path`, replacing its content (the same file, not a new one) or appended.
void write(const fs::path &path, const std::string &bytes,
           std::ios::openmode mode = std::ios::trunc)
{
    std::ofstream out(path, std::ios::binary | mode);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

class LiveFile : public ::testing::Test
{
protected:
    test::TemporaryFolder m_folder{"zyfo-live"};
    const fs::path m_dir = m_folder.path();
    const fs::path m_path = m_dir / "pomiar.zyd";
};

TEST_F(LiveFile, GrowingWithDamagedRecordsNeverShowsARowTwiceNorLosesOne)
{
    GeneratorOptions options;
    options.seed = 11;
    options.entries = 5;
    options.missingProbability = 0.05;
    options.corruptProbability = 0.25; // flipped bytes, torn records, line noise
    Generator generator(options);
    std::string bytes;
    int whole = 0;
    for (int i = 0; i < 300; ++i) {
        const RecordDamage damage = generator.appendNext(bytes);
        whole += damage == RecordDamage::None || damage == RecordDamage::LineNoise;
    }

    write(m_path, "");
    FollowedFile followed(m_path.string());
    followed.open();
    // The logger's writes end anywhere: inside a stamp, an entry, between "@" and check bytes.
    std::mt19937 random(5);
    for (std::size_t written = 0; written < bytes.size();) {
        const std::size_t chunk = std::min<std::size_t>(1 + random() % 700, bytes.size() - written);
        write(m_path, bytes.substr(written, chunk), std::ios::app);
        written += chunk;
        const int before = followed.file.rowCount();
        followed.refresh();
        ASSERT_GE(followed.file.rowCount(), before) << written;
        ASSERT_EQ(modelText(followed.file), fullReadText(m_path.string())) << written;
    }
    EXPECT_EQ(followed.file.rowCount(), whole);
}

TEST_F(LiveFile, TruncatedFileIsReadAgainFromItsStart)
{
    write(m_path, loggerRecords(100, 1, 8));
    FollowedFile followed(m_path.string());
    followed.open();
    ASSERT_EQ(followed.file.rowCount(), 100);

    fs::resize_file(m_path, loggerRecords(40, 1, 8).size());
    EXPECT_TRUE(followed.refresh().fullRead);
    EXPECT_EQ(followed.file.rowCount(), 40);
    EXPECT_EQ(modelText(followed.file), fullReadText(m_path.string()));

    fs::resize_file(m_path, 0);
    const ReadResult emptied = followed.refresh();
    EXPECT_TRUE(emptied.fullRead);
    EXPECT_FALSE(emptied.readError);
    EXPECT_EQ(followed.file.rowCount(), 0);
    EXPECT_TRUE(followed.listener.items().empty());
    EXPECT_FALSE(followed.listener.controlsEnabled());
}

TEST_F(LiveFile, ReplacedOrRemovedFileChangesNothing)
{
    write(m_path, loggerRecords(60, 1, 8));
    FollowedFile followed(m_path.string());
    followed.open();
    const std::string before = modelText(followed.file);

    // Another file takes the name: the open one is followed until the file is opened again.
    const fs::path other = m_dir / "nowy.zyd";
    write(other, loggerRecords(10, 3, 4));
    fs::rename(other, m_path);
    ReadResult result = followed.refresh();
    EXPECT_FALSE(result.readError);
    EXPECT_EQ(result.rowsAdded, 0);
    EXPECT_EQ(modelText(followed.file), before);
    FollowedFile reopened(m_path.string());
    reopened.open();
    EXPECT_EQ(reopened.file.rowCount(), 10);

    fs::remove(m_path);
    result = followed.refresh();
    EXPECT_FALSE(result.readError); // the open file lives on until it is closed
    EXPECT_EQ(result.rowsAdded, 0);
    EXPECT_EQ(modelText(followed.file), before);
}

} // namespace
} // namespace zyfo
