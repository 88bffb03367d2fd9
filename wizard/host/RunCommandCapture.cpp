#include "RunCommandCapture.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr std::size_t readChunk = 4095;

class SpawnActions {
public:
    SpawnActions(int readEnd, int writeEnd)
    {
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_addclose(&actions_, readEnd);
        posix_spawn_file_actions_adddup2(&actions_, writeEnd, STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions_, writeEnd, STDERR_FILENO);
    }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    const posix_spawn_file_actions_t* Get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

std::string ReadUntilEnd(int fd)
{
    std::string output;
    char buffer[readChunk + 1];
    for (;;) {
        const ssize_t got = read(fd, buffer, readChunk);
        if (got > 0)
            output.append(buffer, static_cast<std::size_t>(got));
        else if (got == 0 || errno != EINTR)
            return output;
    }
}

void Reap(pid_t child)
{
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

std::string RunCommandCapture(const std::vector<std::string>& argv)
{
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
        const SpawnActions actions(fds[0], fds[1]);
        return posix_spawnp(&child, args[0], actions.Get(), nullptr, args.data(), environ);
    }();
    close(fds[1]);
    if (spawnError != 0) {
        close(fds[0]);
        return {};
    }
    std::string output = ReadUntilEnd(fds[0]);
    close(fds[0]);
    Reap(child);
    return output;
}
