// Process-level seam for scripted runs: with CORVANE_AUTO_ANSWER set to a
// number, every message box answers at once with it and reports its texts
// on stderr instead of waiting for a person.
#pragma once

#include <QString>

#include <optional>

// The number in CORVANE_AUTO_ANSWER; none when unset or not a number.
std::optional<int> AutoAnswerFromEnvironment();

// The line an answered box leaves on stderr.
void ReportAutoAnsweredBox(const QString& caption, const QString& message);
