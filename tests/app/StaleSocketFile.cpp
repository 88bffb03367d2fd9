#include "StaleSocketFile.h"

#include "FileDescriptor.h"
#include "LocalSocketAddress.h"

#include <sys/socket.h>

bool LeaveStaleSocketFile(const QString& path)
{
    const std::optional<sockaddr_un> address = LocalSocketAddress(path);
    const FileDescriptor socket(OpenLocalStreamSocket());
    return address && ::bind(socket.Get(), reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) == 0;
}
