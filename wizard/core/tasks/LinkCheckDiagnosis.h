// Turns what the link check learnt (the host's reset, the router's login
// answer, its MAC addresses) into one cause the user can act on.
#pragma once

#include "HostResetFailure.h"
#include "LinkCheckCause.h"

#include <QString>

struct LinkCheckFacts {
    HostResetFailure hostReset = HostResetFailure::None;
    int loginResult = -1;   // CheckLogin's last answer: 1, 0 or -1
    bool macsValid = false;
};

LinkCheckCause DiagnoseLinkCheck(const LinkCheckFacts& facts);

// Language key of the cause's sentence and next step; empty for None.
QString LinkCheckCauseKey(LinkCheckCause cause);
