// An emulated wireless router's web interface on a local port: the pages and
// form handlers the setup library talks to, a WAN link that comes up over
// (injectable) time, reboots, request recording and transport faults.
// It serves from its own thread between Start() and Stop().
#pragma once

#include "EmulatorClock.h"
#include "EmulatorConfig.h"
#include "FaultMode.h"
#include "RequestHandler.h"
#include "RequestRecorder.h"
#include "RouterSnapshot.h"
#include "RouterState.h"
#include "SessionContext.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class RouterEmulator {
public:
    explicit RouterEmulator(EmulatorConfig config = {}, EmulatorClock clock = SteadyClockNow);
    ~RouterEmulator();
    RouterEmulator(const RouterEmulator&) = delete;
    RouterEmulator& operator=(const RouterEmulator&) = delete;

    // Starts serving and returns the port. Throws when the address cannot be bound.
    std::uint16_t Start();
    void Stop();
    std::uint16_t Port() const { return port_; }

    void SetFaultMode(FaultMode mode);
    FaultMode GetFaultMode() const { return fault_.load(); }
    // Re-checks at once whether a reboot is over, for tests that move the
    // injected clock; with the real clock this happens by itself.
    void RefreshListening();

    RouterSnapshot State() const { return state_.Snapshot(); }
    std::vector<std::string> RecordedRequests() const { return recorder_.Requests(); }
    void ClearRecordedRequests() { recorder_.Clear(); }

private:
    struct Runtime;

    void UpdateListening();
    void ScheduleRebootCheck();
    void RunOnServerThread(const std::function<void()>& task);

    const EmulatorConfig config_;
    RouterState state_;
    RequestRecorder recorder_;
    RequestHandler handler_;
    std::atomic<FaultMode> fault_;
    SessionContext context_;
    std::unique_ptr<Runtime> runtime_;
    std::uint16_t port_ = 0;
    bool watchingReboot_ = false;
};
