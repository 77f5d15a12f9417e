// End-to-end tests of the zydgen command: arguments, files and the following logger.
#include "GeneratedRecords.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace zyfo {
namespace {

namespace fs = std::filesystem;
using testing::decodeRecords;
using testing::readAll;
using testing::runTool;
using testing::ToolOutput;

const std::string kZydgen = ZYDGEN_PATH;

class ZydgenToolTest : public ::testing::Test
{
protected:
    void TearDown() override { fs::remove(m_file); }

    std::string m_file =
        (fs::temp_directory_path() /
         ("zydgen-" + std::to_string(::getpid()) + "-" +
          ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".zyd"))
            .string();
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
                                "3600", "--gaps", "0", m_file})
                  .exitCode,
              0);
    const auto records = decodeRecords(readAll(m_file));
    ASSERT_EQ(records.size(), 12u);
    EXPECT_EQ(records[0].body.substr(0, 14), "20240228230000");
    EXPECT_EQ(records[1].body.substr(0, 14), "20240229000000") << "leap day";
    EXPECT_EQ(records[11].body.substr(0, 14), "20240229100000");
}

TEST_F(ZydgenToolTest, FollowAppendsWholeRecordsAlsoWhenWritesAreTornAndStopsOnASignal)
{
    const ToolOutput run = runTool(
        kZydgen, {"--records", "3", "--follow", "0.05", "--count", "6", "--torn", "1", m_file});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(testing::wholeRecordCount(readAll(m_file)), 9) << "torn writes were completed";

    fs::remove(m_file);
    testing::ToolProcess logger(kZydgen, {"--follow", "0.02", "--torn", "0.5", m_file});
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    logger.signal(SIGTERM);
    const ToolOutput stopped = logger.wait();
    EXPECT_EQ(stopped.exitCode, 0) << stopped.err;
    EXPECT_GE(testing::wholeRecordCount(readAll(m_file)), 2) << "it stops after a whole record";
}

} // namespace
} // namespace zyfo
