// What Setup's own options ask for. Every other argument is left to Qt,
// whose options (such as -platform) keep working.
#pragma once

#include <string>

enum class StartRequest { RunWizard, PrintHelp, PrintVersion };

// The first of Setup's options on the command line decides.
StartRequest ReadStartRequest(int argc, const char* const* argv);

// What --help prints: the options and the exit codes.
std::string UsageText();
// What --version prints: the program name and the build's version.
std::string VersionText();
