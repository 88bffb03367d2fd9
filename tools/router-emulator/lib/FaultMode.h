// What the emulator can play instead of its normal answer (HTTP/1.1 with
// CRLF line ends, Content-Length, then close): transport faults, and the
// other forms a valid answer takes, such as those of real router firmware.
#pragma once

#include <array>
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
    BareLf,         // valid: every line of the head ends in a bare LF
    MixedLf,        // valid: HTTP/1.0, bare LF line ends but for the Server line, no length
    Http10,         // valid: an HTTP/1.0 status line, Content-Length, no Connection line
    Redirect,       // valid: a form's redirect as "302 Redirect" to an absolute Location, short body, no length
    Headless,       // valid: the body alone, no status line or head (HTTP/0.9 style)
    Unmarked401,    // valid: a refused login's page does not carry the 401 text
    UnannouncedClose, // valid: HTTP/1.1 with Content-Length, closed without a Connection line
};

inline constexpr std::array kValidAnswerForms{
    FaultMode::Chunked, FaultMode::CloseDelimited, FaultMode::KeptOpen, FaultMode::BareLf, FaultMode::MixedLf,
    FaultMode::Http10, FaultMode::Redirect, FaultMode::Headless, FaultMode::Unmarked401, FaultMode::UnannouncedClose,
};

std::optional<FaultMode> ParseFaultMode(std::string_view name);
std::string_view FaultModeName(FaultMode mode);
