// End-to-end tests of the zydgen command: arguments, files and the following logger.
#include "GeneratedRecords.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace zyfo {
namespace {

namespace fs = std::filesystem;
using testing::decodeRecords;
using testing::runTool;
using testing::ToolOutput;

const std::string kZydgen = ZYDGEN_PATH;

class ZydgenToolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_file = fs::temp_directory_path() /
                 ("zydgen-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".zyd");
    }
    void TearDown() override { fs::remove(m_file); }

    std::string bytes() const
    {
        std::ifstream in(m_file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path m_file;
};

TEST_F(ZydgenToolTest, HelpAndBadArguments)
{
    const ToolOutput help = runTool(kZydgen, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--follow SECONDS"), std::string::npos);
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {},
             {"--entries", "36", "x.zyd"},
             {"--start", "2006-02-30 00:00:00", "x.zyd"},
             {"--corrupt", "1.5", "x.zyd"},
             {"--size", "12Q", "x.zyd"},
             {"--count", "3", "x.zyd"},
             {"--frobnicate", "x.zyd"},
         }) {
        const ToolOutput run = runTool(kZydgen, args);
        EXPECT_EQ(run.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_NE(run.err.find("zydgen: "), std::string::npos);
    }
    EXPECT_FALSE(fs::exists("x.zyd"));
}

TEST_F(ZydgenToolTest, RecordsStartAndPeriod)
{
    ASSERT_EQ(runTool(kZydgen, {"--records", "12", "--start", "2024-02-28 23:00:00", "--period",
                                "3600", "--gaps", "0", m_file.string()})
                  .exitCode,
              0);
    const auto records = decodeRecords(bytes());
    ASSERT_EQ(records.size(), 12u);
    EXPECT_EQ(records[0].body.substr(0, 14), "20240228230000");
    EXPECT_EQ(records[1].body.substr(0, 14), "20240229000000") << "leap day";
    EXPECT_EQ(records[11].body.substr(0, 14), "20240229100000");
}

TEST_F(ZydgenToolTest, FollowAppendsWholeRecordsAlsoWhenWritesAreTorn)
{
    const ToolOutput run = runTool(kZydgen, {"--records", "3", "--follow", "0.05", "--count", "6",
                                             "--torn", "1", m_file.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto records = decodeRecords(bytes());
    ASSERT_EQ(records.size(), 9u);
    std::size_t covered = 0;
    for (const auto &record : records) {
        EXPECT_TRUE(record.checkPasses);
        covered += record.body.size() + 3;
    }
    EXPECT_EQ(covered, bytes().size()) << "every split record was completed";
}

TEST_F(ZydgenToolTest, FollowStopsOnASignalAfterAWholeRecord)
{
    testing::ToolProcess logger(kZydgen, {"--follow", "0.02", "--torn", "0.5", m_file.string()});
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    logger.signal(SIGTERM);
    const ToolOutput run = logger.wait();
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto records = decodeRecords(bytes());
    EXPECT_GE(records.size(), 2u);
    std::size_t covered = 0;
    for (const auto &record : records)
        covered += record.body.size() + 3;
    EXPECT_EQ(covered, bytes().size());
}

} // namespace
} // namespace zyfo
