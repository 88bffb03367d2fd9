// Base of the emulator tests: an emulator on a free loopback port whose time
// moves only when the test advances it.
#pragma once

#include "ManualClock.h"
#include "RawHttpClient.h"
#include "RouterEmulator.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

class EmulatorTest : public ::testing::Test {
protected:
    void StartEmulator()
    {
        emulator = std::make_unique<RouterEmulator>(config, clock.AsClock());
        emulator->Start();
    }

    RawExchange Send(std::string_view request,
                     std::chrono::milliseconds timeout = std::chrono::milliseconds(3000)) const
    {
        return RawHttpClient(emulator->Port(), timeout).Exchange(request);
    }

    std::string Get(std::string_view path) const
    {
        return RawHttpClient::BodyOf(Send(RawHttpClient::Request("GET", path)).received);
    }

    std::string Post(std::string_view path, std::string_view body) const
    {
        return Send(RawHttpClient::Request("POST", path, body)).received;
    }

    void Advance(std::chrono::milliseconds step)
    {
        clock.Advance(step);
        emulator->RefreshListening();
    }

    ManualClock clock;
    EmulatorConfig config;
    std::unique_ptr<RouterEmulator> emulator;
};
