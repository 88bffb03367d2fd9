// The emulated router's settings and WAN link, changed by the form handlers
// and read by the pages. Safe to use from the server thread and a test.
#pragma once

#include "EmulatorClock.h"
#include "EmulatorConfig.h"
#include "FormFields.h"
#include "RouterSnapshot.h"

#include <mutex>

class RouterState {
public:
    RouterState(const EmulatorConfig& config, EmulatorClock clock);

    void ApplyWizard(const FormFields& form);
    void ApplyMacClone(const FormFields& form);
    void ApplyWirelessBasic(const FormFields& form);
    void ApplySecurity(const FormFields& form);
    void Reconnect();
    bool IsRebooting() const;
    RouterSnapshot Snapshot() const;

private:
    LinkState CurrentLink(EmulatorTime now) const;
    bool AccountAccepted() const;
    void FillWanAddresses(RouterSnapshot& snapshot) const;

    const EmulatorConfig& config_;
    EmulatorClock clock_;
    mutable std::mutex mutex_;
    RouterSnapshot settings_;
    EmulatorTime linkStart_;
    EmulatorTime rebootEnd_;
};
