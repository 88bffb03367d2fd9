// Starts a program without a shell and captures its standard output and
// standard error until both are closed.
#pragma once

#include "CommandRunner.h"

#include <chrono>

// Longer than any network tool is asked to wait, so a bounded wait of the
// tool itself ends first and reports why.
inline constexpr std::chrono::milliseconds defaultCommandLimit{25000};

// Output empty and status -1 when the program cannot be started. The program
// runs in a process group of its own; when it is still running, or something
// it left behind still holds its output, at `limit`, the whole group is
// killed and the status is -1. The child is always reaped.
CommandResult RunCommandCapture(const std::vector<std::string>& argv,
                                std::chrono::milliseconds limit = defaultCommandLimit);
