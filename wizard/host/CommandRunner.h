// Runs a program with an argument vector and returns everything it printed;
// injectable so tests never start the system's network tools.
#pragma once

#include <functional>
#include <string>
#include <vector>

using CommandRunner = std::function<std::string(const std::vector<std::string>& argv)>;
