#include "StaticIpCheck.h"

#include "AddressRules.h"
#include "CheckList.h"

std::optional<UserMessage> CollectStaticIpSettings(const StaticIpEntry& entry, const RouterInfo& router,
                                                   StaticIpInfo& record)
{
    const std::uint32_t lan = ParseDottedAddress(router.address);
    auto warning = FirstFailedCheck({
        {IsValidHostAddress(entry.ipAddress), LANG_KEY("IP address invalid")},
        {IsValidSubnetMask(entry.subnetMask), LANG_KEY("Subnet mask invalid")},
        {IsValidHostAddress(entry.gateway), LANG_KEY("Default gateway invalid")},
        {IsValidHostAddress(entry.dns1), LANG_KEY("Primary DNS server invalid")},
        {IsDifferentSegment(entry.ipAddress, lan, entry.subnetMask),
         LANG_KEY("The WAN IP and LAN IP cannot be the same segament")},
    });
    if (warning)
        return warning;
    record.ipAddress = FormatDottedAddress(entry.ipAddress);
    record.subnetMask = FormatDottedAddress(entry.subnetMask);
    record.gateway = FormatDottedAddress(entry.gateway);
    record.dns1 = FormatDottedAddress(entry.dns1);
    record.dns2 = FormatDottedAddress(entry.dns2);
    return std::nullopt;
}
