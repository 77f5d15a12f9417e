// End-to-end tests of the zydgen command: arguments, files and the following logger.
#include "GeneratedRecords.h"
#include "TemporaryFolder.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zyfo {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::runTool;
using test::ToolOutput;

const std::string kZydgen = ZYDGEN_PATH;

class ZydgenToolTest : public ::testing::Test
{
protected:
    test::TemporaryFolder m_folder{"zydgen"};
    const std::string m_file = (m_folder.path() / "x.zyd").string();
};

TEST_F(ZydgenToolTest, HelpAndBadArguments)
{
    const ToolOutput help = runTool(kZydgen, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--follow SECONDS"), std::string::npos);
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {},
             {"--entries", "36", "x.zyd"},
             {"--corrupt", "1.5", "x.zyd"},
             {"--frobnicate", "x.zyd"},
         }) {
        const ToolOutput run = runTool(kZydgen, args);
        EXPECT_EQ(run.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_NE(run.err.find("zydgen: "), std::string::npos);
    }
    EXPECT_FALSE(fs::exists("x.zyd"));
}

TEST_F(ZydgenToolTest, FollowAppendsWholeRecordsAlsoWhenWritesAreTorn)
{
    const ToolOutput run = runTool(
        kZydgen, {"--records", "3", "--follow", "0.05", "--count", "6", "--torn", "1", m_file});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // Torn writes were completed: nine records that pass their check and nothing else.
    const std::string bytes = readFile(m_file);
    const auto records = test::decodeRecords(bytes);
    std::size_t covered = 0;
    for (const auto &record : records) {
        EXPECT_TRUE(record.checkPasses);
        covered += record.body.size() + 3; // "@" and the two check bytes
    }
    EXPECT_EQ(records.size(), 9u);
    EXPECT_EQ(covered, bytes.size());
}

} // namespace
} // namespace zyfo
