// Transport faults the emulator can play instead of a normal answer.
#pragma once

#include <optional>
#include <string_view>

enum class FaultMode {
    None,      // answer normally
    Refuse,    // nothing listening: connections are refused
    Silent,    // accept and read, never answer
    Reset,     // send part of an answer, then reset the connection
    Garbage,   // send bytes that are not HTTP, then close
    Oversized, // answer with a 10 MB body
    SlowDrip,  // answer one byte at a time
};

std::optional<FaultMode> ParseFaultMode(std::string_view name);
std::string_view FaultModeName(FaultMode mode);
