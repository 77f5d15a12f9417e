// Soak test of following: zydgen logs fast, with torn writes, damaged records and line noise,
// while the reader follows the file in continuations; at the end it equals one full read.
#include "FollowedFile.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace zyfo {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// How long the logger writes; ZYFO_SOAK_SECONDS sets a longer run by hand.
std::chrono::duration<double> soakTime()
{
    const char *text = std::getenv("ZYFO_SOAK_SECONDS");
    const double seconds = text ? std::atof(text) : 0.0;
    return std::chrono::duration<double>(seconds > 0 ? seconds : 10.0);
}

TEST(Soak, FollowingAFastLoggerEndsEqualToAFullRead)
{
    const fs::path path =
        fs::temp_directory_path() / ("zyfo-soak-" + std::to_string(::getpid()) + ".zyd");
    fs::remove(path);
    // A record every millisecond; three in ten written in two parts a moment apart; one in
    // twenty flipped, torn for good or after random bytes.
    test::ToolProcess logger(ZYDGEN_PATH,
                             {"--entries", "6", "--missing", "0.05", "--corrupt", "0.05",
                              "--follow", "0.001", "--torn", "0.3", "--seed", "7", path.string()});
    // The soak time counts from the logger's file appearing, however long a loaded machine takes
    // to start it.
    const Clock::time_point appearBy = Clock::now() + std::chrono::seconds(60);
    while (!fs::exists(path) && Clock::now() < appearBy)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const Clock::time_point end =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(soakTime());
    FollowedFile followed(path.string());
    ASSERT_TRUE(followed.source.isOpen()) << followed.source.error();
    followed.open();

    int refreshes = 0;
    int continuations = 0;
    int unfinishedTails = 0; // re-reads that found the last record not yet whole
    while (Clock::now() < end) {
        const int before = followed.file.rowCount();
        const ReadResult result = followed.refresh();
        ++refreshes;
        continuations += result.fullRead ? 0 : 1;
        unfinishedTails += followed.file.readOffset() < followed.source.length() ? 1 : 0;
        ASSERT_FALSE(result.readError);
        ASSERT_GE(followed.file.rowCount(), before) << "a re-read lost rows";
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    logger.signal(SIGTERM); // it finishes a record written in two parts, then stops
    const test::ToolOutput stopped = logger.wait();
    ASSERT_EQ(stopped.exitCode, 0) << stopped.err;
    followed.refresh();

    EXPECT_EQ(modelText(followed.file), fullReadText(path.string()));
    EXPECT_GT(followed.file.rowCount(), 100);
    EXPECT_GT(continuations, 10);
    EXPECT_GT(unfinishedTails, 0) << "no re-read met a record being written";
    std::printf("soak: %d re-reads, %d continuations, %d met an unfinished record, %d rows\n",
                refreshes, continuations, unfinishedTails, followed.file.rowCount());
    fs::remove(path);
}

} // namespace
} // namespace zyfo
