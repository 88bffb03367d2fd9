#include "HostStep.h"

HostStepOutcome RunHostStep(HostAdapters& adapters)
{
    HostStepOutcome outcome;
    if (!adapters.ResetAdaptersToDhcp())
        outcome.failure = adapters.LastResetFailure();
    // A refused or failed switch can leave a working route through the
    // router in place; only a host without a wired adapter has none to offer.
    if (outcome.failure != HostResetFailure::NoWiredAdapter)
        adapters.FindGatewayAddress(outcome.gateway);
    return outcome;
}
