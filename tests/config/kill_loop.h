#pragma once
// Saves killed at random points: a child process saves version after version of something and
// reports each finished save with one byte on a pipe, until the parent kills it at a random moment
// (a random number of finished saves, then a random delay). After every kill the parent checks
// what the kill left. The seed is fixed, so the same kill points come back when a failure is
// replayed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <random>
#include <string>

namespace ptp::testing {

// The child's side: one byte a finished save.
class SaveReporter {
  public:
    explicit SaveReporter(int fd) : m_fd(fd) {}
    void Saved() const {
        const char byte = 'x';
        if (write(m_fd, &byte, 1) != 1) _exit(6);
    }

  private:
    int m_fd;
};

struct KillLoopPlan {
    unsigned seed = 20261206;
    int saves = 1000;
    int maxSavesBeforeKill = 30;
    int maxDelayMicroseconds = 4000;
};

struct KillLoopRun {
    int saves = 0;
    int kills = 0;
};

// `child` saves from the version it is given on and never returns (exits non-zero when a save
// fails). `checkAfterKill` asserts on what one kill left; it is given the version the child
// started from and the saves it reported, and returns the version found now, from which the next
// child goes on. The loop stops at the first fatal failure.
inline KillLoopRun RunKillLoop(
    const KillLoopPlan& plan,
    const std::function<void(int firstVersion, const SaveReporter&)>& child,
    const std::function<int(int firstVersion, int finished)>& checkAfterKill) {
    std::mt19937 random(plan.seed);
    std::uniform_int_distribution<int> savesBeforeKill(0, plan.maxSavesBeforeKill);
    std::uniform_int_distribution<int> delayMicroseconds(0, plan.maxDelayMicroseconds);
    KillLoopRun run;
    int version = 0;
    while (run.saves < plan.saves) {
        int pipeFds[2];
        if (pipe(pipeFds) != 0) {
            ADD_FAILURE() << "no pipe";
            return run;
        }
        const pid_t pid = fork();
        if (pid < 0) {
            ADD_FAILURE() << "no child process";
            return run;
        }
        if (pid == 0) {
            close(pipeFds[0]);
            child(version + 1, SaveReporter(pipeFds[1]));
            _exit(7);
        }
        close(pipeFds[1]);
        const int wanted = savesBeforeKill(random);
        int finished = 0;
        char byte = 0;
        while (finished < wanted && read(pipeFds[0], &byte, 1) == 1)
            ++finished;
        usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        // Saves reported after the count was reached finished too.
        while (read(pipeFds[0], &byte, 1) == 1)
            ++finished;
        close(pipeFds[0]);
        if (!WIFSIGNALED(status)) {
            ADD_FAILURE() << "the saving child stopped by itself with " << WEXITSTATUS(status)
                          << " after " << run.kills << " kills";
            return run;
        }
        run.saves += finished;
        ++run.kills;
        SCOPED_TRACE("kill " + std::to_string(run.kills) + " after " + std::to_string(run.saves) +
                     " saves");
        version = checkAfterKill(version + 1, finished);
        if (::testing::Test::HasFatalFailure() || ::testing::Test::HasNonfatalFailure()) return run;
    }
    return run;
}

}  // namespace ptp::testing
