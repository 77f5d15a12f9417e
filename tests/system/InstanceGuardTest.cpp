// The "Zyfo" instance guard: a second process is refused while the first runs, and a first
// process that is killed leaves no stale guard behind.
#include "InstanceGuard.h"
#include "UserFolders.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace zyfo {
namespace {

namespace fs = std::filesystem;

class InstanceGuardTest : public ::testing::Test
{
protected:
    // A child process that takes the guard, says so through a pipe and waits to be killed.
    pid_t startHolder()
    {
        int channel[2];
        if (pipe(channel) != 0)
            return -1;
        pid_t child = fork();
        if (child == 0) {
            close(channel[0]);
            InstanceGuard guard("Zyfo");
            char held = guard.held() ? 'y' : 'n';
            if (write(channel[1], &held, 1) != 1)
                _exit(2);
            for (;;)
                pause();
        }
        close(channel[1]);
        char answer = 0;
        bool told = read(channel[0], &answer, 1) == 1 && answer == 'y';
        close(channel[0]);
        return told ? child : -1;
    }

    test::UserFolders m_folders;
};

TEST_F(InstanceGuardTest, ASecondProcessIsRefusedAndAKilledFirstLeavesNoStaleGuard)
{
    pid_t first = startHolder();
    ASSERT_GT(first, 0);
    {
        InstanceGuard second("Zyfo");
        EXPECT_TRUE(second.alreadyExists());
        EXPECT_FALSE(second.held());
    }
    kill(first, SIGKILL);
    int status = 0;
    waitpid(first, &status, 0);
    EXPECT_TRUE(fs::exists(m_folders.runtimeDir() / "Zyfo.lock"))
        << "the file stays, the lock does not";

    InstanceGuard next("Zyfo");
    EXPECT_TRUE(next.held()) << "the system released the killed process's lock";
    EXPECT_FALSE(next.alreadyExists());
}

} // namespace
} // namespace zyfo
