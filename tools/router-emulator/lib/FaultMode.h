// What the emulator can play instead of its normal answer (Content-Length,
// then close): transport faults, and the other forms a valid answer takes.
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
    StallAfterHead, // send the head, then nothing more while the connection stays open
    ResetMidBody,   // send the head and half of the body, then reset the connection
    InterimOnly,    // send "100 Continue" again and again, never a final answer
    Chunked,        // valid: the body in chunks
    CloseDelimited, // valid: no length, the body ends when the connection closes
    KeptOpen,       // valid: Content-Length, and the connection stays open afterwards
};

std::optional<FaultMode> ParseFaultMode(std::string_view name);
std::string_view FaultModeName(FaultMode mode);
