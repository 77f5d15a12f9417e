// A tool's progress line on a terminal for a long read or write.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace zyfo {

// Shows "<tool>: <what>: NN%" on `fd` once the work has taken a second, redrawn in place at
// most ten times a second, and ends the line when the work ends. Writes nothing at all when
// `fd` is not a terminal or the work ends within the second, so scripts and logs see no change.
class TerminalProgress
{
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // The second starts now. `label` leads the line ("zyfo-export: reading station.zyd").
    TerminalProgress(int fd, std::string label, Clock clock = std::chrono::steady_clock::now);
    // Ends a line left shown, as finish does.
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress &) = delete;
    TerminalProgress &operator=(const TerminalProgress &) = delete;

    // False when `fd` is no terminal: updates would show nothing.
    bool active() const { return m_terminal; }
    // `done` of `total` (bytes, rows) is finished; total 0 counts as all done.
    void update(std::int64_t done, std::int64_t total);
    // Ends the line with a line break when one was shown; nothing otherwise.
    void finish();

private:
    void show(int percent);

    int m_fd;
    bool m_terminal;
    std::string m_label;
    Clock m_clock;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastShown;
    int m_lastPercent = -1;
};

} // namespace zyfo
