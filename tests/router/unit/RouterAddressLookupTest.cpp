#include "RouterAddressLookup.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

constexpr std::uint16_t kPort = 80;
constexpr const char* kLookedUp = "10.20.30.40";

struct AddressCase {
    const char* host;
    const char* expected; // the IPv4 address connected to
    bool lookedUp;        // whether the name lookup (and its thread) ran
};

std::string IPv4Of(const std::vector<SocketAddress>& addresses)
{
    if (addresses.size() != 1 || addresses[0].storage.ss_family != AF_INET) {
        return "not one IPv4 address";
    }
    const auto& v4 = reinterpret_cast<const sockaddr_in&>(addresses[0].storage);
    EXPECT_EQ(ntohs(v4.sin_port), kPort);
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
    return text;
}

TEST(RouterAddressLookup, EveryFormTheAddressRulesAcceptSkipsTheNameLookup)
{
    const AddressCase cases[] = {
        {"192.168.0.1", "192.168.0.1", false},
        {"192.168.0.01", "192.168.0.1", false},
        {"10.1", "10.0.0.1", false},
        {"192.168.1", "192.168.0.1", false},
        {"0xC0.0xA8.0.1", "192.168.0.1", false},
        {"3232235521", "192.168.0.1", false},
        {"192.168.0.1 ", "192.168.0.1", false},
        {"router.lan", kLookedUp, true},
        {"192.168.0.08", kLookedUp, true}, // 08 is no octal number
        {"192.168.0.256", kLookedUp, true},
        {" 192.168.0.1", kLookedUp, true},
    };
    for (const AddressCase& c : cases) {
        SCOPED_TRACE(c.host);
        std::vector<std::string> looked;
        const NameLookup lookup = [&looked](const std::string& host, std::uint16_t port) {
            looked.push_back(host);
            return LiteralAddress(kLookedUp, port);
        };
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        EXPECT_EQ(IPv4Of(LookUpRouterAddress(c.host, kPort, lookup, deadline)), c.expected);
        EXPECT_EQ(looked, c.lookedUp ? std::vector<std::string>{c.host} : std::vector<std::string>{});
    }
}

TEST(RouterAddressLookup, AnIPv6LiteralSkipsTheNameLookupToo)
{
    bool looked = false;
    const auto found = LookUpRouterAddress(
        "fe80::1", kPort,
        [&looked](const std::string&, std::uint16_t) {
            looked = true;
            return std::vector<SocketAddress>{};
        },
        std::chrono::steady_clock::now() + std::chrono::seconds(2));
    ASSERT_EQ(found.size(), 1U);
    EXPECT_EQ(found[0].storage.ss_family, AF_INET6);
    EXPECT_FALSE(looked);
}

} // namespace
