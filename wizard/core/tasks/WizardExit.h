// How the wizard ends: Finish on the result page, or a confirmed Exit.
#pragma once

#include "UserMessage.h"

#include <optional>

inline constexpr int FinishExitCode = 1;
inline constexpr int ConfirmedExitCode = 0;

// The question the frame asks on Exit or a close request.
UserMessage ExitQuestion();

// The exit code for the answer to that question; none keeps the wizard open.
std::optional<int> ExitCodeForAnswer(int answer);

// Ends the process with `exitCode` without joining any thread.
[[noreturn]] void EndProcessNow(int exitCode);
