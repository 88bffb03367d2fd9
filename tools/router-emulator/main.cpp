#include "EmulatorCommandLine.h"
#include "RouterEmulator.h"

#include <csignal>
#include <iostream>

namespace {

// Blocks the stop signals before any thread starts, so that only the
// sigwait below receives them.
sigset_t BlockStopSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    return signals;
}

} // namespace

int main(int argc, char** argv)
{
    const auto options = EmulatorCommandLine::Parse({argv + 1, argv + argc});
    if (options.showHelp) {
        std::cout << EmulatorCommandLine::HelpText();
        return 0;
    }
    if (!options.error.empty()) {
        std::cerr << options.error << "\n" << EmulatorCommandLine::HelpText();
        return 2;
    }
    const sigset_t stopSignals = BlockStopSignals();
    RouterEmulator emulator(options.config);
    try {
        std::cout << "listening on " << options.config.bindAddress << " port " << emulator.Start() << std::endl;
    } catch (const std::exception& error) {
        std::cerr << "cannot listen: " << error.what() << "\n";
        return 1;
    }
    int received = 0;
    sigwait(&stopSignals, &received);
    emulator.Stop();
    return 0;
}
