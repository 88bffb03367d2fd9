// Stretches or shortens every task wait by a percentage, so the demo can run
// the router tasks faster than a real router needs. 100 keeps every wait.
#pragma once

#include "Sleeper.h"

#include <QString>

class ScaledSleeper : public Sleeper {
public:
    ScaledSleeper(Sleeper& inner, int percent);
    void Sleep(std::chrono::milliseconds duration) override;
    int Percent() const { return percent_; }

private:
    Sleeper& inner_;
    int percent_;
};

// A percentage text as set in setting.ini; anything but a whole number from
// 0 up gives 100.
int ParseWaitScalePercent(const QString& text);

// "Wait Scale Percent" of section "Setting", default "100".
int ReadWaitScalePercent();
