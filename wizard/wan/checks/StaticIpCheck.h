// The Static IP page: the fixed WAN address, mask, gateway and DNS servers.
#pragma once

#include "CDLLObject.h"
#include "UserMessage.h"

#include <cstdint>
#include <optional>

// Host-order addresses as the address entries deliver them.
struct StaticIpEntry {
    std::uint32_t ipAddress = 0;
    std::uint32_t subnetMask = 0;
    std::uint32_t gateway = 0;
    std::uint32_t dns1 = 0;
    std::uint32_t dns2 = 0;
};

// router.address is the LAN side the WAN address must not share a segment
// with. A rejected entry leaves the record untouched.
std::optional<UserMessage> CollectStaticIpSettings(const StaticIpEntry& entry, const RouterInfo& router,
                                                   StaticIpInfo& record);
