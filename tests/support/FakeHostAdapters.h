// Scriptable host adapters for tests: set the answers, read back the calls.
#pragma once

#include "AdapterRecord.h"
#include "HostAdapters.h"

class FakeHostAdapters : public HostAdapters {
public:
    bool resetResult = true;
    bool listReadable = true;
    HostResetFailure resetFailure = HostResetFailure::None;  // reported when resetResult is false
    QString gateway;        // what the lookup offers; empty offers nothing
    int resetCalls = 0;
    int findCalls = 0;

    bool ResetAdaptersToDhcp() override
    {
        ++resetCalls;
        return resetResult;
    }

    HostResetFailure LastResetFailure() const override
    {
        return resetResult ? HostResetFailure::None : resetFailure;
    }

    bool FindGatewayAddress(QString& found) override
    {
        ++findCalls;
        if (!listReadable)
            return false;
        if (IsUnsetAddress(found) && !gateway.isEmpty())
            found = gateway;
        return true;
    }
};
