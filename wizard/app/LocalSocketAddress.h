// The address of a local (AF_UNIX) stream socket at a path in the file system.
#pragma once

#include <QString>

#include <sys/un.h>

#include <optional>

// Empty when the path is empty, holds a NUL, or is too long for sun_path:
// the kernel would cut such a path short and reach another file.
std::optional<sockaddr_un> LocalSocketAddress(const QString& path);

// A new local stream socket, closed on exec and never blocking; -1 on failure.
int OpenLocalStreamSocket();
