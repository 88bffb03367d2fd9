// Turns the router's address into socket addresses within the connect
// limit. A literal address is used as it is; only a name goes to the
// lookup, which runs on a thread of its own so that the caller can give
// up on it at the deadline (a system name lookup cannot be cancelled).
#pragma once

#include <sys/socket.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct SocketAddress {
    sockaddr_storage storage{};
    socklen_t length = 0;
};

// Blocking lookup of a host name; empty when it found nothing.
using NameLookup = std::function<std::vector<SocketAddress>(const std::string& host, std::uint16_t port)>;

// The system's resolver.
std::vector<SocketAddress> SystemNameLookup(const std::string& host, std::uint16_t port);

// The address when `host` is a literal IPv4 address in any form inet_aton
// reads, or a literal IPv6 address; else nothing.
std::vector<SocketAddress> LiteralAddress(const std::string& host, std::uint16_t port);

// Empty when the name is unknown or the lookup has not answered by `deadline`.
std::vector<SocketAddress> LookUpRouterAddress(const std::string& host, std::uint16_t port, const NameLookup& lookup,
    std::chrono::steady_clock::time_point deadline);
