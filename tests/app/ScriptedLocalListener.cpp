#include "ScriptedLocalListener.h"

#include "LocalStreamSocket.h"

#include <poll.h>
#include <sys/socket.h>

#include <array>

namespace {

constexpr int kAcceptLimitMs = 3000; // for the client and for its request

} // namespace

ScriptedLocalListener::ScriptedLocalListener(const QString& path, bool accept, std::vector<ScriptedReply> replies)
    : listener_(OpenLocalStreamSocket())
{
    const std::optional<sockaddr_un> address = LocalSocketAddress(path);
    if (!address || BindLocalStreamSocket(listener_.Get(), *address) != 0
        || ::listen(listener_.Get(), 4) != 0)
        listener_.Close();
    if (accept && listener_.IsOpen())
        player_ = std::thread([this, replies = std::move(replies)] { Play(replies); });
}

ScriptedLocalListener::~ScriptedLocalListener()
{
    if (player_.joinable())
        player_.join();
}

void ScriptedLocalListener::Play(const std::vector<ScriptedReply>& replies) const
{
    pollfd pending{.fd = listener_.Get(), .events = POLLIN, .revents = 0};
    if (::poll(&pending, 1, kAcceptLimitMs) != 1)
        return;
    const FileDescriptor client(::accept4(listener_.Get(), nullptr, nullptr, SOCK_CLOEXEC));
    // Like the wizard, it answers only once the request is in.
    pollfd request{.fd = client.Get(), .events = POLLIN, .revents = 0};
    std::array<char, 64> received{};
    if (::poll(&request, 1, kAcceptLimitMs) != 1 || ::recv(client.Get(), received.data(), received.size(), 0) <= 0)
        return;
    for (const ScriptedReply& reply : replies) {
        std::this_thread::sleep_for(reply.pause); // real-wait: the asker must wait across real time
        ::send(client.Get(), reply.bytes.constData(), static_cast<size_t>(reply.bytes.size()), MSG_NOSIGNAL);
    }
}
