// The data file: read-only with no sharing restriction, 64-bit lengths and offsets, read
// through the data layer's interface while another program keeps writing it.
#include "CFile.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zyfo {
namespace {

namespace fs = std::filesystem;

class FileTest : public ::testing::Test
{
protected:
    test::TemporaryFolder m_temporary{"zyfo-file"};
    const fs::path &m_folder = m_temporary.path();
};

TEST_F(FileTest, ReadsAFileThatAnotherProgramKeepsWriting)
{
    std::string path = (m_folder / "pomiar.zyd").string();
    int logger = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(logger, 0);
    ASSERT_EQ(::write(logger, "abc", 3), 3);

    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeRead | CFile::shareDenyNone));
    DataSource &source = file;
    EXPECT_EQ(source.length(), 3);
    std::uint8_t buffer[8] = {};
    EXPECT_EQ(source.read(buffer, sizeof buffer), 3);

    ASSERT_EQ(::write(logger, "defg", 4), 4);
    ::close(logger);
    EXPECT_EQ(source.length(), 7) << "the writer's new bytes are seen";
    ASSERT_TRUE(source.seek(3));
    EXPECT_EQ(source.read(buffer, sizeof buffer), 4);
    EXPECT_EQ(std::string(buffer, buffer + 4), "defg");
    EXPECT_EQ(source.read(buffer, sizeof buffer), 0) << "end of file";

    file.Close();
    EXPECT_EQ(source.length(), -1);
    EXPECT_EQ(source.read(buffer, 1), -1);
}

TEST_F(FileTest, OffsetsBeyondFourGigabytesWork)
{
    std::string path = (m_folder / "large.zyd").string();
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::int64_t far = 5'000'000'000LL;
    ASSERT_EQ(::pwrite(fd, "XYZ", 3, static_cast<off_t>(far)), 3);
    ::close(fd);
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeRead | CFile::shareDenyNone));
    EXPECT_EQ(file.length(), far + 3);
    ASSERT_TRUE(file.seek(far + 1));
    std::uint8_t buffer[4] = {};
    EXPECT_EQ(file.read(buffer, sizeof buffer), 2);
    EXPECT_EQ(buffer[0], 'Y');
}

TEST_F(FileTest, WhatIsNotAReadableRegularFileDoesNotOpen)
{
    CFile file;
    EXPECT_FALSE(file.Open((m_folder / "missing.zyd").string(), CFile::modeRead));
    EXPECT_FALSE(file.Open(m_folder.string(), CFile::modeRead)) << "a folder";
    std::string fifo = (m_folder / "pipe").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Opening a pipe for reading would wait for a writer; it must not be accepted either way.
    int writer = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    EXPECT_FALSE(file.Open(fifo, CFile::modeRead));
    ::close(writer);

    std::string path = (m_folder / "ok.zyd").string();
    ::close(::open(path.c_str(), O_WRONLY | O_CREAT, 0644));
    EXPECT_FALSE(file.Open(path, 0x0001)) << "only reading is offered";
}

} // namespace
} // namespace zyfo
