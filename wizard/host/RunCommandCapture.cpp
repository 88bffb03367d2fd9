#include "RunCommandCapture.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t readChunk = 4095;
// Once the program has ended, how long what it left running may keep the
// pipe open before the rest of its group is ended too.
constexpr std::chrono::milliseconds afterExitGrace{200};
constexpr std::chrono::milliseconds exitCheckPeriod{50};

class SpawnSetup {
public:
    SpawnSetup(int readEnd, int writeEnd)
    {
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_addclose(&actions_, readEnd);
        posix_spawn_file_actions_adddup2(&actions_, writeEnd, STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions_, writeEnd, STDERR_FILENO);
        // A group of its own, so a time-out ends whatever it started as well.
        posix_spawnattr_init(&attributes_);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETPGROUP);
        posix_spawnattr_setpgroup(&attributes_, 0);
    }
    ~SpawnSetup()
    {
        posix_spawnattr_destroy(&attributes_);
        posix_spawn_file_actions_destroy(&actions_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
    const posix_spawn_file_actions_t* Actions() const { return &actions_; }
    const posix_spawnattr_t* Attributes() const { return &attributes_; }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

class ChildWatch {
public:
    explicit ChildWatch(pid_t child) : child_(child) {}

    // True once the child has ended and been reaped.
    bool Ended()
    {
        if (!ended_) {
            int status = 0;
            if (waitpid(child_, &status, WNOHANG) == child_) {
                ended_ = true;
                exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
        }
        return ended_;
    }

    void KillGroupAndReap()
    {
        kill(-child_, SIGKILL);
        if (ended_)
            return;
        int status = 0;
        while (waitpid(child_, &status, 0) < 0 && errno == EINTR) {
        }
        ended_ = true;
        exitStatus_ = -1;
    }

    int ExitStatus() const { return exitStatus_; }

private:
    pid_t child_;
    bool ended_ = false;
    int exitStatus_ = -1;
};

int MillisecondsUntil(Clock::time_point moment)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(moment - Clock::now());
    return static_cast<int>(std::clamp(left, std::chrono::milliseconds(0), exitCheckPeriod).count());
}

// Reads until the pipe is closed by every holder; false when the time ran
// out first (the whole limit, or the grace after the child's end).
bool ReadUntilEnd(int fd, ChildWatch& child, Clock::time_point deadline, std::string& output)
{
    char buffer[readChunk + 1];
    for (;;) {
        if (child.Ended())
            deadline = std::min(deadline, Clock::now() + afterExitGrace);
        if (Clock::now() >= deadline)
            return false;
        pollfd watched{fd, POLLIN, 0};
        const int ready = poll(&watched, 1, MillisecondsUntil(deadline));
        if (ready < 0 && errno != EINTR)
            return false;
        if (ready <= 0)
            continue;
        const ssize_t got = read(fd, buffer, readChunk);
        if (got > 0)
            output.append(buffer, static_cast<std::size_t>(got));
        else if (got == 0 || errno != EINTR)
            return true;
    }
}

// A program that closed its output may still be ending: wait for it within
// the limit. Anything still running, or still holding the pipe, is killed.
void EndChild(ChildWatch& child, bool pipeClosed, Clock::time_point deadline)
{
    while (pipeClosed && !child.Ended() && Clock::now() < deadline)
        std::this_thread::sleep_for(exitCheckPeriod);
    if (!pipeClosed || !child.Ended())
        child.KillGroupAndReap();
}

} // namespace

CommandResult RunCommandCapture(const std::vector<std::string>& argv, std::chrono::milliseconds limit)
{
    const Clock::time_point deadline = Clock::now() + limit;
    if (argv.empty())
        return {};
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return {};

    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    pid_t child = 0;
    const int spawnError = [&] {
        const SpawnSetup setup(fds[0], fds[1]);
        return posix_spawnp(&child, args[0], setup.Actions(), setup.Attributes(), args.data(), environ);
    }();
    close(fds[1]);
    if (spawnError != 0) {
        close(fds[0]);
        return {};
    }
    CommandResult result;
    ChildWatch watch(child);
    const bool complete = ReadUntilEnd(fds[0], watch, deadline, result.output);
    close(fds[0]);
    EndChild(watch, complete, deadline);
    result.exitStatus = watch.ExitStatus();
    return result;
}
