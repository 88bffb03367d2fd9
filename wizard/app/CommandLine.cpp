#include "CommandLine.h"

#include "CorvaneVersion.h"

#include <string_view>

StartRequest ReadStartRequest(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h")
            return StartRequest::PrintHelp;
        if (argument == "--version")
            return StartRequest::PrintVersion;
    }
    return StartRequest::RunWizard;
}

std::string UsageText()
{
    return "Usage: Setup [--help | --version]\n"
           "Sets up a wireless router, step by step, through its web interface.\n"
           "\n"
           "Options:\n"
           "  -h, --help     print this help and exit\n"
           "  --version      print the version and exit\n"
           "Qt's own options, such as -platform, are accepted as well.\n"
           "\n"
           "Exit status:\n"
           "  0  the wizard was left with Exit; or a copy of it already runs (its window\n"
           "     is brought to the front); or the router-access library could not be\n"
           "     loaded; or --help or --version was given\n"
           "  1  the wizard ended with Finish; or no graphical display was found\n";
}

std::string VersionText()
{
    return std::string("Setup ") + kCorvaneVersion + "\n";
}
