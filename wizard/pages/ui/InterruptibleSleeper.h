// A sleeper whose waits can be cut short, so a thread that waits through
// it can be stopped at once when its page goes out of sight or away.
#pragma once

#include "Sleeper.h"

class InterruptibleSleeper : public Sleeper {
public:
    // Ends the current wait and makes every later one return at once.
    virtual void Interrupt() = 0;
    // Lets waits last their time again after an interruption.
    virtual void Resume() = 0;
};
