// Splits a command line text into arguments the way a Windows program reads
// its command line: blanks separate, double quotes group and are removed.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> SplitCommandLine(const std::string& commandLine);
