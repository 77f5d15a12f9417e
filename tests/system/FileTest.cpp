// The data file refuses what is not a readable regular file.
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
