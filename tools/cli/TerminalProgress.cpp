// A tool's progress line on a terminal for a long read or write.
#include "TerminalProgress.h"

#include <unistd.h>

#include <cerrno>
#include <utility>

namespace zyfo {

namespace {

constexpr std::chrono::milliseconds kQuietPeriod{1000};
constexpr std::chrono::milliseconds kRedrawPeriod{100};

// Writes all of `text`; a failing terminal only loses the progress line.
void writeAll(int fd, const std::string &text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        written += static_cast<std::size_t>(n);
    }
}

} // namespace

TerminalProgress::TerminalProgress(int fd, std::string label, Clock clock)
    : m_fd(fd)
    , m_terminal(::isatty(fd) == 1)
    , m_label(std::move(label))
    , m_clock(std::move(clock))
    , m_start(m_clock())
{}

TerminalProgress::~TerminalProgress()
{
    finish();
}

void TerminalProgress::update(std::int64_t done, std::int64_t total)
{
    if (!m_terminal)
        return;
    const auto now = m_clock();
    if (now - m_start < kQuietPeriod)
        return;
    const int percent = total <= 0 ? 100 : static_cast<int>(done * 100 / total);
    // The line is redrawn when the figure moves, not more often than the period allows except
    // for the end.
    const bool tooSoon = m_lastPercent >= 0 && now - m_lastShown < kRedrawPeriod;
    if (percent == m_lastPercent || (tooSoon && percent < 100))
        return;
    m_lastShown = now;
    show(percent);
}

void TerminalProgress::finish()
{
    if (m_lastPercent < 0)
        return;
    writeAll(m_fd, "\n");
    m_lastPercent = -1;
    // Once ended, the line is not started again.
    m_terminal = false;
}

void TerminalProgress::show(int percent)
{
    m_lastPercent = percent;
    writeAll(m_fd, "\r" + m_label + ": " + std::to_string(percent) + "%");
}

} // namespace zyfo
