// The host side of the link check: switch the PC's wired adapters to DHCP
// and find the router as the default gateway.
#pragma once

#include "HostResetFailure.h"

#include <QString>

#include <memory>

class HostAdapters {
public:
    virtual ~HostAdapters() = default;
    virtual bool ResetAdaptersToDhcp() = 0;
    // False when the adapter list cannot be read; otherwise true, with
    // gateway filled from the first adapter that yields one.
    virtual bool FindGatewayAddress(QString& gateway) = 0;
    // Why the last ResetAdaptersToDhcp returned false; None after a success.
    virtual HostResetFailure LastResetFailure() const { return HostResetFailure::None; }
};

// The platform's own adapters.
std::unique_ptr<HostAdapters> CreateHostAdapters();
