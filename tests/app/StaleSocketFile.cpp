#include "StaleSocketFile.h"

#include "FileDescriptor.h"
#include "LocalStreamSocket.h"


bool LeaveStaleSocketFile(const QString& path)
{
    const std::optional<sockaddr_un> address = LocalSocketAddress(path);
    const FileDescriptor socket(OpenLocalStreamSocket());
    return address && BindLocalStreamSocket(socket.Get(), *address) == 0;
}
