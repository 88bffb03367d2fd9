// The emulator program's command line.
#pragma once

#include "EmulatorConfig.h"

#include <string>
#include <vector>

class EmulatorCommandLine {
public:
    struct Result {
        EmulatorConfig config;
        bool showHelp = false;
        std::string error; // non-empty: the command line was not understood
    };

    static Result Parse(const std::vector<std::string>& arguments);
    static std::string HelpText();

private:
    static std::string Apply(const std::string& option, const std::string& value, EmulatorConfig& config);
};
