// Tests of the POSIX data file source: failures to open, reading, and seeing a file grow.
#include "PosixFileSource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace zyfo {
namespace {

TEST(PosixFileSource, OpensOnlyFilesReadsSeeksAndSeesTheFileGrow)
{
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("zyfo-source-" + std::to_string(::getpid()) + ".zyd"))
                                 .string();
    PosixFileSource source;
    std::uint8_t tail[8] = {};
    EXPECT_FALSE(source.open(path + ".missing"));
    EXPECT_NE(source.error().find("No such file"), std::string::npos);
    EXPECT_FALSE(source.open(std::filesystem::temp_directory_path().string()));
    EXPECT_FALSE(source.isOpen());
    EXPECT_EQ(source.read(tail, 1), -1);
    EXPECT_EQ(source.length(), -1);

    std::ofstream(path, std::ios::binary) << std::string(100000, 'a') << "bcd";
    ASSERT_TRUE(source.open(path));
    EXPECT_EQ(source.length(), 100003);
    std::string read(2048, '\0');
    ASSERT_TRUE(source.seek(99000));
    std::int64_t total = 0;
    for (std::int64_t n;
         (n = source.read(reinterpret_cast<std::uint8_t *>(read.data()), 2048)) > 0;)
        total += n;
    EXPECT_EQ(total, 1003);
    EXPECT_EQ(read.substr(1000, 3), "bcd");

    std::ofstream(path, std::ios::binary | std::ios::app) << "ef";
    EXPECT_EQ(source.length(), 100005);
    ASSERT_TRUE(source.seek(100001));
    EXPECT_EQ(source.read(tail, sizeof tail), 4);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(tail), 4), "cdef");
    EXPECT_FALSE(source.seek(-1));
    std::filesystem::remove(path);
}

} // namespace
} // namespace zyfo
