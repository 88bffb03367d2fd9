#include "RouterPageParsers.h"

#include "ExtractFirstMatch.h"
#include "RouterPagePatterns.h"

#include <array>
#include <utility>

namespace RouterPageParsers {

// The router's refusal was once recognised by its 401 text in the page
// alone. A router whose own 401 page does not carry that text would then
// have a wrong password accepted, so the 401 status counts as well: a
// deliberate mend, kept on purpose.
bool IsLoginRefused(const HttpAnswer& answer)
{
    return answer.status == 401 || answer.body.find("HTTP/1.1 401 Unauthorized") != std::string::npos;
}

int CableStatusFromPage(const std::string& page)
{
    return ExtractFirstMatch(RouterPagePatterns::kCableDsl, page) == "2" ? 1 : 0;
}

int WanTypeFromDetection(const std::string& answer)
{
    if (answer.empty()) {
        return -2;
    }
    const char first = answer.front();
    // Anything else is no type the wizard can use: shown as a failed detection.
    return first >= '1' && first <= '4' ? first - '0' : 0;
}

void ReadMacAddresses(const std::string& page, MacInfo& mac)
{
    mac.cloneMac = ExtractFirstMatch(RouterPagePatterns::kCloneMac, page);
    mac.defaultMac = ExtractFirstMatch(RouterPagePatterns::kDefaultMac, page);
    mac.factoryMac = ExtractFirstMatch(RouterPagePatterns::kFactoryMac, page);
    mac.wanMac = mac.defaultMac;
}

void ReadWanStatus(const std::string& page, WanStatusInfo& status)
{
    status.wanIp = ExtractFirstMatch(RouterPagePatterns::kWanIp, page);
    status.gateway = ExtractFirstMatch(RouterPagePatterns::kGateway, page);
    status.subnetMask = ExtractFirstMatch(RouterPagePatterns::kSubnetMask, page);
    status.wanMac = ExtractFirstMatch(RouterPagePatterns::kWanMac, page);
    if (auto name = ConnectionTypeName(ExtractFirstMatch(RouterPagePatterns::kConnectionTypeIndex, page))) {
        status.connectionType = std::move(*name);
    }
}

std::optional<std::string> ConnectionTypeName(const std::string& index)
{
    static const std::array<std::pair<const char*, const char*>, 6> kNames{{
        {"1", "Static IP"},
        {"2", "Dynamic IP"},
        {"3", "PPPoE"},
        {"4", "L2TP"},
        {"5", "PPTP"},
        {"6", "802.1x"},
    }};
    for (const auto& [number, name] : kNames) {
        if (index == number) {
            return name;
        }
    }
    return std::nullopt;
}

} // namespace RouterPageParsers
