// The pause inside ApplyWirelessSettings for objects made by LoadObj.
#pragma once

#include <chrono>

// `value` is the environment's CORVANELIB_WIRELESS_PAUSE_MS: a decimal number
// of milliseconds replaces the router's 2000 ms; anything else keeps it.
std::chrono::milliseconds WirelessPauseFromSetting(const char* value);
