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

// A pseudo-terminal whose far side the test reads; raw, so "\n" arrives as written.
class PseudoTerminal
{
public:
    PseudoTerminal()
    {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
            return;
        m_slave = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY);
        termios raw{};
        ::tcgetattr(m_slave, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(m_slave, TCSANOW, &raw);
        ::fcntl(m_master, F_SETFL, O_NONBLOCK);
    }
    ~PseudoTerminal()
    {
        ::close(m_slave);
        ::close(m_master);
    }
    int terminal() const { return m_slave; }
    // What was written since the last call.
    std::string output() const
    {
        std::string text;
        char buffer[256];
        for (ssize_t n; (n = ::read(m_master, buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(n));
        return text;
    }

private:
    int m_master = -1;
    int m_slave = -1;
};

class TerminalProgressTest : public testing::Test
{
protected:
    TerminalProgress::Clock clock()
    {
        return [this] { return m_now; };
    }
    void advance(std::chrono::milliseconds step) { m_now += step; }

    PseudoTerminal pty;

private:
    std::chrono::steady_clock::time_point m_now{};
};

TEST_F(TerminalProgressTest, ALongWorkShowsItsLineAfterASecondRedrawnAtMostTenTimesASecond)
{
    ASSERT_GE(pty.terminal(), 0);
    TerminalProgress progress(pty.terminal(), "zyfo-export: reading a.zyd", clock());
    ASSERT_TRUE(progress.active());
    advance(999ms);
    progress.update(10, 100);
    EXPECT_EQ(pty.output(), "");
    advance(1ms);
    progress.update(25, 100);
    EXPECT_EQ(pty.output(), "\rzyfo-export: reading a.zyd: 25%");
    advance(50ms);
    progress.update(30, 100);
    EXPECT_EQ(pty.output(), "");
    advance(50ms);
    progress.update(30, 100);
    EXPECT_EQ(pty.output(), "\rzyfo-export: reading a.zyd: 30%");
    // The end is shown at once, then the line ends; nothing follows.
    advance(1ms);
    progress.update(100, 100);
    progress.finish();
    advance(1s);
    progress.update(100, 100);
    progress.finish();
    EXPECT_EQ(pty.output(), "\rzyfo-export: reading a.zyd: 100%\n");
}

TEST_F(TerminalProgressTest, AShortWorkOrAnOutputThatIsNoTerminalShowsNothing)
{
    {
        TerminalProgress progress(pty.terminal(), "quick", clock());
        advance(900ms);
        progress.update(100, 100);
    }
    EXPECT_EQ(pty.output(), "");

    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    ::fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);
    {
        TerminalProgress progress(pipeEnds[1], "piped", clock());
        EXPECT_FALSE(progress.active());
        advance(5s);
        progress.update(50, 100);
    }
    char byte;
    EXPECT_EQ(::read(pipeEnds[0], &byte, 1), -1);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}

TEST_F(TerminalProgressTest, AWorkThatStopsPartWayEndsItsLineWhereItStood)
{
    {
        TerminalProgress progress(pty.terminal(), "writing r.txt", clock());
        advance(2s);
        progress.update(7, 70);
    }
    EXPECT_EQ(pty.output(), "\rwriting r.txt: 10%\n");
}

} // namespace
} // namespace zyfo
