// A sleeper whose waits can be cut short for good, so a thread that waits
// through it can be stopped at once when its page goes away.
#pragma once

#include "Sleeper.h"

class InterruptibleSleeper : public Sleeper {
public:
    // Ends the current wait and makes every later one return at once.
    virtual void Interrupt() = 0;
};
