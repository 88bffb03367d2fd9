// What a copy that died leaves: a socket file nobody listens on.
#pragma once

#include <QString>

bool LeaveStaleSocketFile(const QString& path);
