// The emulated router for the namespace test: serves on the given address
// and port 80, and prints the request line and Host header of every request
// as it arrives, so the test sees which router address the wizard used.
#include "RouterEmulator.h"

#include <chrono>
#include <csignal>
#include <iostream>
#include <thread>

namespace {

std::string LineStartingWith(const std::string& raw, const std::string& prefix)
{
    for (std::size_t start = 0; start < raw.size();) {
        const std::size_t end = raw.find("\r\n", start);
        const std::string line = raw.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (line.compare(0, prefix.size(), prefix) == 0)
            return line;
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
    return {};
}

volatile std::sig_atomic_t stopRequested = 0;

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " ADDRESS\n";
        return 2;
    }
    EmulatorConfig config;
    config.bindAddress = argv[1];
    config.port = 80;
    RouterEmulator emulator(config);
    try {
        emulator.Start();
    } catch (const std::exception& error) {
        std::cerr << "cannot listen: " << error.what() << "\n";
        return 1;
    }
    std::signal(SIGTERM, [](int) { stopRequested = 1; });
    std::cout << "listening" << std::endl;
    std::size_t printed = 0;
    while (!stopRequested) {
        const std::vector<std::string> requests = emulator.RecordedRequests();
        for (; printed < requests.size(); ++printed) {
            const std::string& raw = requests[printed];
            std::cout << raw.substr(0, raw.find("\r\n")) << " | " << LineStartingWith(raw, "Host: ") << std::endl;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100)); // real-wait: polls a server on its own thread
    }
    emulator.Stop();
    return 0;
}
