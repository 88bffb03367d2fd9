#include "ScreenDpi.h"

#include <atomic>

namespace {
std::atomic<int> screenDpi{96};
}

int ScreenDpi()
{
    return screenDpi.load();
}

void SetScreenDpi(int dpi)
{
    // Font sizes are divided by this value; a screen reporting nothing stays at 96.
    screenDpi.store(dpi > 0 ? dpi : 96);
}
