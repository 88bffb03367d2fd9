// What both ends of a local (AF_UNIX) stream socket need: its address at a
// path in the file system, and the socket itself.
#pragma once

#include <QString>

#include <sys/un.h>

#include <optional>

// Empty when the path is empty, holds a NUL, or is too long for sun_path:
// the kernel would cut such a path short and reach another file.
std::optional<sockaddr_un> LocalSocketAddress(const QString& path);

// A new local stream socket, closed on exec and never blocking; -1 on failure.
int OpenLocalStreamSocket();

// bind(2) and connect(2) for that address, with their results.
int BindLocalStreamSocket(int descriptor, const sockaddr_un& address);
int ConnectLocalStreamSocket(int descriptor, const sockaddr_un& address);
