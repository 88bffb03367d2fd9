// The link check's host step: switch the PC's wired adapters to automatic
// addressing, then look the router up as the default gateway.
#pragma once

#include "HostAdapters.h"
#include "HostResetFailure.h"

#include <QString>

struct HostStepOutcome {
    HostResetFailure failure = HostResetFailure::None; // why the switch did not take effect
    QString gateway;                                   // empty or "0.0.0.0" when none was found
};

HostStepOutcome RunHostStep(HostAdapters& adapters);
