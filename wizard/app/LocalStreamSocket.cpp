#include "LocalStreamSocket.h"

#include <QFile>

#include <sys/socket.h>

#include <cstring>

std::optional<sockaddr_un> LocalSocketAddress(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(path);
    sockaddr_un address{};
    // One byte stays for the terminating NUL.
    if (encoded.isEmpty() || encoded.contains('\0') || encoded.size() >= qsizetype{sizeof(address.sun_path)})
        return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, encoded.constData(), static_cast<size_t>(encoded.size()));
    return address;
}

int OpenLocalStreamSocket()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

int BindLocalStreamSocket(int descriptor, const sockaddr_un& address)
{
    return ::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
}

int ConnectLocalStreamSocket(int descriptor, const sockaddr_un& address)
{
    return ::connect(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
}
