// Base of the integration tests: the router-access object against an
// emulated router on loopback, with short time limits and with every pause
// of the library moving the emulator's clock instead of waiting.
#pragma once

#include "CCorvanelibObject.h"
#include "ManualClock.h"
#include "RouterEmulator.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <vector>

class RouterIntegrationTest : public ::testing::Test {
public:
    static constexpr HttpTimeouts kTimeouts{std::chrono::milliseconds(500), std::chrono::milliseconds(500),
                                            std::chrono::milliseconds(500)};

protected:
    void StartEmulator()
    {
        emulator = std::make_unique<RouterEmulator>(config, clock.AsClock());
        emulator->Start();
    }

    RouterEndpoint Endpoint(const std::string& password = "qzmvx") const
    {
        return RouterEndpoint{"127.0.0.1", emulator->Port(), "admin", password};
    }

    // What the wizard's worker does between two calls: wait.
    void Wait(std::chrono::milliseconds duration)
    {
        clock.Advance(duration);
        emulator->RefreshListening();
    }

    ManualClock clock;
    EmulatorConfig config;
    std::unique_ptr<RouterEmulator> emulator;
    std::vector<std::chrono::milliseconds> pauses;
    CCorvanelibObject router{kTimeouts, [this](std::chrono::milliseconds duration) {
                                 pauses.push_back(duration);
                                 Wait(duration);
                             }};
};
