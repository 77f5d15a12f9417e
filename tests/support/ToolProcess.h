// Test helper: runs one of the tools as a child process and collects its output and status.
#pragma once

#include "FileContents.h"

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace zyfo::test {

struct ToolOutput
{
    int exitCode = -1; // -1 when the tool did not exit normally
    std::string out;
    std::string err;
};

// A running tool whose standard output and error go to temporary files.
class ToolProcess
{
public:
    ToolProcess(const std::string &program, const std::vector<std::string> &args)
        : m_outPath(tempName("out"))
        , m_errPath(tempName("err"))
    {
        std::vector<char *> argv;
        argv.push_back(const_cast<char *>(program.c_str()));
        for (const std::string &arg : args)
            argv.push_back(const_cast<char *>(arg.c_str()));
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, m_outPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, m_errPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int failed =
            posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (failed != 0)
            throw std::runtime_error("cannot start " + program);
    }

    ~ToolProcess()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        std::remove(m_outPath.c_str());
        std::remove(m_errPath.c_str());
    }
    ToolProcess(const ToolProcess &) = delete;
    ToolProcess &operator=(const ToolProcess &) = delete;

    void signal(int sig) { ::kill(m_pid, sig); }
    // The running tool's process id; -1 once it has been waited for.
    pid_t pid() const { return m_pid; }

    ToolOutput wait()
    {
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
        ToolOutput result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = test::readFile(m_outPath);
        result.err = test::readFile(m_errPath);
        return result;
    }

private:
    static std::string tempName(const char *what)
    {
        static int serial = 0;
        return "/tmp/zyfo-tool-" + std::to_string(::getpid()) + "-" + std::to_string(serial++) +
               "." + what;
    }

    pid_t m_pid = -1;
    std::string m_outPath;
    std::string m_errPath;
};

inline ToolOutput runTool(const std::string &program, const std::vector<std::string> &args)
{
    return ToolProcess(program, args).wait();
}

} // namespace zyfo::test
