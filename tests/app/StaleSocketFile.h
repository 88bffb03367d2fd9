// What a copy of the wizard that died leaves at its socket's path.
#pragma once

#include <QString>

// A socket file at `path` that nobody listens on; false when none could be made.
bool LeaveStaleSocketFile(const QString& path);
