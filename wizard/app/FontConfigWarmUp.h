// Loads the system's font configuration on a worker thread while the
// program connects to the display, so that the first text measured does
// not wait for it. Qt reads fonts through the same, thread-safe, library.
#pragma once

#include <thread>

class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    // Waits for the worker to finish.
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

private:
    std::thread worker_;
};
