// Tests of the POSIX data file source: failures to open, reading, and seeing a file grow.
#include "PosixFileSource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace zyfo {
namespace {

TEST(PosixFileSource, OpensOnlyFilesAndSeesTheFileGrow)
{
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("zyfo-source-" + std::to_string(::getpid()) + ".zyd"))
                                 .string();
    PosixFileSource source;
    EXPECT_FALSE(source.open(path + ".missing"));
    EXPECT_NE(source.error().find("No such file"), std::string::npos);
    EXPECT_FALSE(source.open(std::filesystem::temp_directory_path().string()));
    EXPECT_FALSE(source.isOpen());
    EXPECT_EQ(source.length(), -1);

    // A file that grows while open: its length follows, a read returns what is there.
    std::ofstream(path, std::ios::binary) << "abcd";
    ASSERT_TRUE(source.open(path));
    std::ofstream(path, std::ios::binary | std::ios::app) << "ef";
    EXPECT_EQ(source.length(), 6);
    std::uint8_t tail[8] = {};
    ASSERT_TRUE(source.seek(2));
    EXPECT_EQ(source.read(tail, sizeof tail), 4);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(tail), 4), "cdef");
    std::filesystem::remove(path);
}

} // namespace
} // namespace zyfo
