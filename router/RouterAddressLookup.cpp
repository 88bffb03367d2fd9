#include "RouterAddressLookup.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>

#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// Shared by the caller and the lookup's thread, so either may end first.
struct PendingLookup {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::vector<SocketAddress> found;
};

template <typename Address>
SocketAddress ToSocketAddress(const Address& address)
{
    SocketAddress result;
    std::memcpy(&result.storage, &address, sizeof address);
    result.length = sizeof address;
    return result;
}

} // namespace

std::vector<SocketAddress> SystemNameLookup(const std::string& host, std::uint16_t port)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &list) != 0) {
        return {};
    }
    std::vector<SocketAddress> found;
    for (const addrinfo* entry = list; entry != nullptr; entry = entry->ai_next) {
        SocketAddress address;
        std::memcpy(&address.storage, entry->ai_addr, entry->ai_addrlen);
        address.length = entry->ai_addrlen;
        found.push_back(address);
    }
    freeaddrinfo(list);
    return found;
}

std::vector<SocketAddress> LiteralAddress(const std::string& host, std::uint16_t port)
{
    // The wizard's address rules read IPv4 text as inet_addr does (octal and
    // hexadecimal parts, fewer than four parts, text after a blank); any such
    // form is an address here too, so only real names start a lookup.
    sockaddr_in v4{};
    if (inet_aton(host.c_str(), &v4.sin_addr) != 0) {
        v4.sin_family = AF_INET;
        v4.sin_port = htons(port);
        return {ToSocketAddress(v4)};
    }
    sockaddr_in6 v6{};
    if (inet_pton(AF_INET6, host.c_str(), &v6.sin6_addr) == 1) {
        v6.sin6_family = AF_INET6;
        v6.sin6_port = htons(port);
        return {ToSocketAddress(v6)};
    }
    return {};
}

std::vector<SocketAddress> LookUpRouterAddress(const std::string& host, std::uint16_t port, const NameLookup& lookup,
    std::chrono::steady_clock::time_point deadline)
{
    if (std::vector<SocketAddress> literal = LiteralAddress(host, port); !literal.empty()) {
        return literal;
    }
    auto pending = std::make_shared<PendingLookup>();
    std::thread([pending, lookup, host, port] {
        std::vector<SocketAddress> found = lookup(host, port);
        const std::lock_guard lock(pending->mutex);
        pending->found = std::move(found);
        pending->finished = true;
        pending->done.notify_all();
    }).detach();
    std::unique_lock lock(pending->mutex);
    if (!pending->done.wait_until(lock, deadline, [&] { return pending->finished; })) {
        return {}; // abandoned: the thread ends on its own and drops its result
    }
    return std::move(pending->found);
}
