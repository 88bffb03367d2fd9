#include "RunCommandCapture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sys/wait.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

std::string Output(const std::vector<std::string>& argv)
{
    return RunCommandCapture(argv).output;
}

TEST(RunCommandCapture, CapturesLongOutputOfBothStreamsWhole)
{
    // 10000 bytes on stdout, then a short line on stderr.
    const std::string output = Output(
        {"/bin/sh", "-c", "i=0; while [ $i -lt 1000 ]; do printf '%09d\\n' $i; i=$((i+1)); done; printf tail >&2"});
    ASSERT_EQ(output.size(), 10004u);
    EXPECT_EQ(output.substr(0, 10), "000000000\n");
    EXPECT_EQ(output.substr(9990, 10), "000000999\n");
    EXPECT_EQ(output.substr(10000), "tail");
}

TEST(RunCommandCapture, KeepsBinaryBytes)
{
    EXPECT_EQ(Output({"/bin/sh", "-c", "printf 'a\\000b\\377'"}), std::string("a\0b\xff", 4));
}

TEST(RunCommandCapture, PassesEachArgumentUnchangedWithoutAShell)
{
    const std::string name = "Local \"Area\"; rm -rf x $(id) `id` 'q'";
    EXPECT_EQ(Output({"/bin/sh", "-c", "printf '[%s]' \"$@\"", "sh", name, ""}), "[" + name + "][]");
}

TEST(RunCommandCapture, ReportsTheExitStatus)
{
    const struct {
        std::vector<std::string> argv;
        int status;
        const char* output;
    } cases[] = {
        {{"/bin/true"}, 0, ""},
        {{"/bin/sh", "-c", "echo refused; exit 4"}, 4, "refused\n"},
        {{"/bin/sh", "-c", "kill -TERM $$"}, -1, ""},
        {{"corvane-no-such-program-here"}, -1, ""},
        {{}, -1, ""},
    };
    for (const auto& c : cases) {
        const CommandResult result = RunCommandCapture(c.argv);
        EXPECT_EQ(result.exitStatus, c.status) << (c.argv.empty() ? "" : c.argv.back());
        EXPECT_EQ(result.output, c.output) << (c.argv.empty() ? "" : c.argv.back());
    }
}

// Running, and not a zombie waiting for its parent.
bool IsRunning(pid_t pid)
{
    std::string stat;
    std::getline(std::ifstream("/proc/" + std::to_string(pid) + "/stat"), stat);
    return !stat.empty() && stat.find(") Z") == std::string::npos;
}

bool EndsWithin(pid_t pid, std::chrono::milliseconds limit)
{
    const auto until = std::chrono::steady_clock::now() + limit;
    while (IsRunning(pid) && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(10ms); // real-wait: a killed process ends on its own time
    return !IsRunning(pid);
}

// Every way a program can outstay its limit ends within it, its group with
// it, keeping what was printed before.
TEST(RunCommandCapture, EndsTheProgramAndItsGroupAtTheLimit)
{
    const struct {
        const char* what;
        const char* script;
        int status;
    } cases[] = {
        {"never ends", "echo started; echo $$ > \"$0\"; exec sleep 30", -1},
        {"leaves a child holding the pipe", "echo started; sleep 30 & echo $! > \"$0\"; exit 0", 0},
        {"ignores the polite signals", "trap '' TERM INT HUP; echo started; sleep 30 & echo $! > \"$0\"; wait", -1},
    };
    for (const auto& c : cases) {
        const std::string pidFile = testing::TempDir() + "corvane-run-limit-pid";
        const auto start = std::chrono::steady_clock::now();
        const CommandResult result = RunCommandCapture({"/bin/sh", "-c", c.script, pidFile}, 600ms);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took, 2s) << c.what;
        EXPECT_EQ(result.output, "started\n") << c.what;
        EXPECT_EQ(result.exitStatus, c.status) << c.what;
        pid_t left = 0;
        std::ifstream(pidFile) >> left;
        ASSERT_GT(left, 0) << c.what;
        EXPECT_TRUE(EndsWithin(left, 1s)) << c.what << ": pid " << left << " outlived the limit";
    }
}

TEST(RunCommandCapture, ReapsEveryChild)
{
    for (int i = 0; i < 3; ++i)
        RunCommandCapture({"/bin/true"});
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

} // namespace
