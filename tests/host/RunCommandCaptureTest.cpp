#include "RunCommandCapture.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

namespace {

TEST(RunCommandCapture, CapturesLongOutputOfBothStreamsWhole)
{
    // 10000 bytes on stdout, then a short line on stderr.
    const std::string output = RunCommandCapture(
        {"/bin/sh", "-c", "i=0; while [ $i -lt 1000 ]; do printf '%09d\\n' $i; i=$((i+1)); done; printf tail >&2"});
    ASSERT_EQ(output.size(), 10004u);
    EXPECT_EQ(output.substr(0, 10), "000000000\n");
    EXPECT_EQ(output.substr(9990, 10), "000000999\n");
    EXPECT_EQ(output.substr(10000), "tail");
}

TEST(RunCommandCapture, KeepsBinaryBytes)
{
    EXPECT_EQ(RunCommandCapture({"/bin/sh", "-c", "printf 'a\\000b\\377'"}), std::string("a\0b\xff", 4));
}

TEST(RunCommandCapture, PassesEachArgumentUnchangedWithoutAShell)
{
    const std::string name = "Local \"Area\"; rm -rf x $(id) `id` 'q'";
    EXPECT_EQ(RunCommandCapture({"/bin/sh", "-c", "printf '[%s]' \"$@\"", "sh", name, ""}), "[" + name + "][]");
}

TEST(RunCommandCapture, EmptyWhenTheProgramCannotStart)
{
    EXPECT_EQ(RunCommandCapture({"corvane-no-such-program-here"}), "");
    EXPECT_EQ(RunCommandCapture({}), "");
}

TEST(RunCommandCapture, ReapsEveryChild)
{
    for (int i = 0; i < 3; ++i)
        RunCommandCapture({"/bin/true"});
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

} // namespace
