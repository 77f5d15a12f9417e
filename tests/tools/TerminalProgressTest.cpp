// The tools' progress line: only on a terminal, only after a second, redrawn at most ten times a
// second, ended with a line break.
#include "TerminalProgress.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace zyfo {
namespace {

using namespace std::chrono_literals;

// A raw pseudo-terminal ("\n" arrives as written) whose far side the test reads, and a clock the
// test moves.
class TerminalProgressTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(m_master, 0);
        ASSERT_EQ(::grantpt(m_master) | ::unlockpt(m_master), 0);
        terminal = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY);
        ASSERT_GE(terminal, 0);
        termios raw{};
        ::tcgetattr(terminal, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(terminal, TCSANOW, &raw);
        ::fcntl(m_master, F_SETFL, O_NONBLOCK);
    }
    void TearDown() override
    {
        ::close(terminal);
        ::close(m_master);
    }

    // What was written to the terminal since the last call.
    std::string output() const
    {
        std::string text;
        char buffer[256];
        for (ssize_t n; (n = ::read(m_master, buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(n));
        return text;
    }
    TerminalProgress::Clock clock()
    {
        return [this] { return m_now; };
    }
    // Moves the clock on by `step`, reports `done` of `total` and returns what then appeared.
    std::string updateAfter(TerminalProgress &progress, std::chrono::milliseconds step,
                            std::int64_t done, std::int64_t total = 100)
    {
        m_now += step;
        progress.update(done, total);
        return output();
    }

    int terminal = -1;

private:
    int m_master = -1;
    std::chrono::steady_clock::time_point m_now{};
};

TEST_F(TerminalProgressTest, ALongWorkShowsItsLineAfterASecondRedrawnAtMostTenTimesASecond)
{
    TerminalProgress progress(terminal, "zyfo-export: reading a.zyd", clock());
    ASSERT_TRUE(progress.active());
    EXPECT_EQ(updateAfter(progress, 999ms, 10), "");
    EXPECT_EQ(updateAfter(progress, 1ms, 25), "\rzyfo-export: reading a.zyd: 25%");
    EXPECT_EQ(updateAfter(progress, 50ms, 30), "");
    EXPECT_EQ(updateAfter(progress, 50ms, 30), "\rzyfo-export: reading a.zyd: 30%");
    // The end is shown at once, then the line ends; nothing follows.
    EXPECT_EQ(updateAfter(progress, 1ms, 100), "\rzyfo-export: reading a.zyd: 100%");
    progress.finish();
    EXPECT_EQ(updateAfter(progress, 1s, 100), "\n");
    progress.finish();
    EXPECT_EQ(output(), "");
}

TEST_F(TerminalProgressTest, AShortWorkOrAnOutputThatIsNoTerminalShowsNothing)
{
    {
        TerminalProgress progress(terminal, "quick", clock());
        EXPECT_EQ(updateAfter(progress, 900ms, 100), "");
    }
    EXPECT_EQ(output(), "");

    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    ::fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);
    {
        TerminalProgress progress(pipeEnds[1], "piped", clock());
        EXPECT_FALSE(progress.active());
        updateAfter(progress, 5s, 50);
    }
    char byte;
    EXPECT_EQ(::read(pipeEnds[0], &byte, 1), -1);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}

TEST_F(TerminalProgressTest, AWorkThatStopsPartWayEndsItsLineWhereItStood)
{
    {
        TerminalProgress progress(terminal, "writing r.txt", clock());
        EXPECT_EQ(updateAfter(progress, 2s, 7, 70), "\rwriting r.txt: 10%");
    }
    EXPECT_EQ(output(), "\n");
}

} // namespace
} // namespace zyfo
