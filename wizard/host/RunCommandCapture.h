// Starts a program without a shell and captures its standard output and
// standard error until both are closed.
#pragma once

#include <string>
#include <vector>

// Empty when the program cannot be started. The child is always reaped.
std::string RunCommandCapture(const std::vector<std::string>& argv);
