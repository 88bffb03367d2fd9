// What every connection of the emulator shares.
#pragma once

#include "EmulatorConfig.h"
#include "FaultMode.h"
#include "RequestHandler.h"
#include "RequestRecorder.h"

#include <atomic>
#include <functional>

struct SessionContext {
    const EmulatorConfig& config;
    const RequestHandler& handler;
    RequestRecorder& recorder;
    const std::atomic<FaultMode>& fault;
    // Runs on the server thread after each answered request: a handler may
    // have started a reboot, during which nothing may listen.
    std::function<void()> afterRequest;
};
