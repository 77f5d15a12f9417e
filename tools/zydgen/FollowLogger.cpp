// A simulated running logger: appends one record to a data file at a fixed interval.
#include "FollowLogger.h"

#include "Random.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace zyfo {

namespace {

using Clock = std::chrono::steady_clock;

// Writes all of `size` bytes, retrying after interruptions and short writes, then syncs.
bool writeWhole(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0 || errno == EINVAL; // pipes and devices cannot sync
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

FollowLogger::FollowLogger(Generator &generator, const FollowOptions &options,
                           const volatile std::sig_atomic_t &stop)
    : m_generator(generator)
    , m_options(options)
    , m_stop(stop)
{}

std::string FollowLogger::run(const std::string &path)
{
    const FileDescriptor file(
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
    if (file.get() < 0)
        return "cannot open " + path + ": " + std::strerror(errno);
    // Splitting decisions use their own stream so the records match a run without splits.
    Random splitter(m_options.seed);
    const Clock::time_point start = Clock::now();
    const double interval = std::max(0.0, m_options.intervalSeconds);
    for (std::int64_t i = 0; m_options.count < 0 || i < m_options.count; ++i) {
        const auto due =
            start + std::chrono::duration_cast<Clock::duration>(
                        std::chrono::duration<double>(interval * static_cast<double>(i)));
        if (i > 0 && !waitUntil(due))
            break;
        m_generator.setNextMoment(CivilTime::localNow());
        std::string record;
        m_generator.appendNext(record);
        std::size_t first = record.size();
        if (record.size() > 1 && splitter.chance(m_options.tornProbability))
            first = 1 + splitter.below(record.size() - 1);
        if (!writeWhole(file.get(), record.data(), first))
            return "cannot write " + path + ": " + std::strerror(errno);
        if (first < record.size()) {
            // The logger finishes the record a moment later, as after a stalled write.
            std::this_thread::sleep_for(std::chrono::duration<double>(std::min(interval / 2, 0.5)));
            if (!writeWhole(file.get(), record.data() + first, record.size() - first))
                return "cannot write " + path + ": " + std::strerror(errno);
        }
        ++m_written;
        if (stopRequested())
            break;
    }
    return {};
}

bool FollowLogger::waitUntil(std::chrono::steady_clock::time_point deadline) const
{
    // Short slices so that a stop request is seen promptly.
    while (Clock::now() < deadline) {
        if (stopRequested())
            return false;
        std::this_thread::sleep_for(
            std::min<Clock::duration>(deadline - Clock::now(), std::chrono::milliseconds(50)));
    }
    return !stopRequested();
}

} // namespace zyfo
