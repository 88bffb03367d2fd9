// Runs a program with an argument vector and returns everything it printed
// with its exit status; injectable so tests never start the system's network
// tools.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct CommandResult {
    std::string output;
    // The program's exit code; -1 when it could not start, was killed or
    // ran out of time.
    int exitStatus = -1;
};

using CommandRunner = std::function<CommandResult(const std::vector<std::string>& argv)>;
