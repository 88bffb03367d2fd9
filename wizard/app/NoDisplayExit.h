// Without a usable display Qt ends the program with an abort and a screenful
// of plugin advice. While one of these lives, that end becomes one clear line
// on stderr and kNoDisplayExitCode instead: which platform plugin is missing
// when a display is there, else that no display was found. What Qt says on a
// good start is held back and passed on when it goes.
#pragma once

#include <QtGlobal>

#include <functional>

inline constexpr int kNoDisplayExitCode = 1;

class NoDisplayExit {
public:
    // `beforeExit` runs just before the process ends for want of a display.
    explicit NoDisplayExit(std::function<void()> beforeExit);
    ~NoDisplayExit();
    NoDisplayExit(const NoDisplayExit&) = delete;
    NoDisplayExit& operator=(const NoDisplayExit&) = delete;

private:
    QtMessageHandler previous_;
};
