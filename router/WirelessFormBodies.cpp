#include "WirelessFormBodies.h"

#include <array>

namespace WirelessFormBodies {

namespace {

constexpr int kMixedBgn = 1;
constexpr int kNoSecurity = 0;
constexpr int kWep = 1;
constexpr int kWpaPsk = 2;
constexpr int kWpa2Psk = 3;

constexpr const char* kRadiusTail =
    "&RadiusServerIP=192.168.31.100&RadiusServerPort=1812&RadiusServerSecret=NoRadSecret"
    "&RadiusServerSessionTimeout=3600";

std::string BasicBodyStart(const WirelessInfo& wireless, const char* wirelessMode)
{
    return std::string("wirelessmode=") + wirelessMode + "&bssid_num=1&ssid=" + wireless.ssid
        + "&mssid_1=&broadcastssid=" + (wireless.broadcastSsid ? "1" : "0");
}

std::string NoSecurityBody()
{
    return "ssidIndex=0&security_mode=Disable&security_shared_mode=WEP&wep_default_key=2&wep_key_1=90817"
           "&WEP1Select=1"
           "&wep_key_2=90817&WEP2Select=1&wep_key_3=90817&WEP3Select=1&wep_key_4=90817&WEP4Select=1"
           "&PreAuthentication=1"
           "&RadiusServerIP=192.168.0.100&RadiusServerPort=1812&RadiusServerSecret=NoRadSecret"
           "&RadiusServerSessionTimeout=3600";
}

std::string FallbackSecurityBody()
{
    return std::string("ssidIndex=0&security_mode=Disable&security_shared_mode=WEP&wep_default_key=1"
                       "&wep_key_1=90817&WEP1Select=1"
                       "&wep_key_2=90817&WEP2Select=1&wep_key_3=90817&WEP3Select=1&wep_key_4=90817"
                       "&WEP4Select=1&PreAuthentication=1")
        + kRadiusTail;
}

// The key part around the key, by key slot; ASCII and hexadecimal keys differ
// in the slot's select flag, and slot 4's hexadecimal form in its leading fields.
struct WepKeyPart {
    const char* beforeAscii;
    const char* afterAscii;
    const char* beforeHex;
    const char* afterHex;
};

constexpr std::array<WepKeyPart, 4> kWepKeyParts{{
    {"&wep_key_1=", "&WEP1Select=1&WEP2Select=1&WEP3Select=1&WEP4Select=1",
        "&wep_key_1=", "&WEP1Select=0&WEP2Select=1&WEP3Select=1&WEP4Select=1"},
    {"&WEP1Select=1&wep_key_2=", "&WEP2Select=1&WEP3Select=1&WEP4Select=1",
        "&WEP1Select=1&wep_key_2=", "&WEP2Select=0&WEP3Select=1&WEP4Select=1"},
    {"&WEP1Select=1&WEP2Select=1&wep_key_3=", "&WEP3Select=1&WEP4Select=1",
        "&WEP1Select=1&WEP2Select=1&wep_key_3=", "&WEP3Select=0&WEP4Select=1"},
    {"&WEP1Select=1&WEP2Select=1&WEP3Select=1&wep_key_4=", "&WEP4Select=1",
        "&wep_key_1=&wep_key_2=&WEP2Select=1&WEP3Select=1&wep_key_4=", "&WEP4Select=0"},
}};

} // namespace

long long ExtensionChannel(int channel)
{
    // Widened so that no stored value can overflow.
    const long long wide = channel;
    return channel >= 1 && channel <= 4 ? wide + 4 : wide - 4;
}

std::string BuildWirelessBasicBody(const WirelessInfo& wireless)
{
    if (wireless.mode != kMixedBgn) {
        return BasicBodyStart(wireless, "0") + "&sz11gChannel=" + std::to_string(wireless.channel)
            + "&n_mode=0&n_bandwidth=1&n_gi=1&n_rdg=1&n_extcha=1&n_amsdu=0";
    }
    if (wireless.channel == 0) {
        return BasicBodyStart(wireless, "9")
            + "&sz11gChannel=0&n_mode=0&n_bandwidth=1&n_gi=1&n_mcs=33&n_rdg=1&n_amsdu=0";
    }
    return BasicBodyStart(wireless, "9") + "&sz11gChannel=" + std::to_string(wireless.channel)
        + "&n_mode=0&n_bandwidth=1&n_gi=1&n_mcs=33&n_rdg=1&n_extcha="
        + std::to_string(ExtensionChannel(wireless.channel)) + "&n_amsdu=0";
}

std::string BuildWirelessSecurityBody(const SecurityInfo& security)
{
    switch (security.securityMode) {
    case kNoSecurity:
        return NoSecurityBody();
    case kWep:
        return BuildWepBody(security);
    case kWpaPsk:
        return BuildWpaBody(security, false);
    case kWpa2Psk:
        return BuildWpaBody(security, true);
    default:
        return FallbackSecurityBody();
    }
}

std::string BuildWepBody(const SecurityInfo& security)
{
    // The shared-key prefix carries a blank after "wep_default_key="; the router's page sends it so.
    std::string body = security.wepAuthMode == 0
        ? "ssidIndex=0&security_mode=OPEN&security_shared_mode=WEP&wep_default_key="
        : "ssidIndex=0&security_mode=SHARED&security_shared_mode=WEP&wep_default_key= ";
    body += std::to_string(static_cast<long long>(security.wepKeyIndex) + 1);
    if (security.wepKeyIndex < 0 || security.wepKeyIndex >= static_cast<int>(kWepKeyParts.size())) {
        return body;
    }
    const WepKeyPart& part = kWepKeyParts[static_cast<std::size_t>(security.wepKeyIndex)];
    const bool ascii = security.wepKeyFormat == 0;
    return body + (ascii ? part.beforeAscii : part.beforeHex) + security.wepKey
        + (ascii ? part.afterAscii : part.afterHex);
}

std::string BuildWpaBody(const SecurityInfo& security, bool wpa2)
{
    std::string body = wpa2
        ? "ssidIndex=0&security_mode=WPA2PSK&security_shared_mode=WEP&wep_default_key=1&WEP1Select=1"
          "&WEP2Select=1&WEP3Select=1&WEP4Select=1&cipher="
        : "ssidIndex=0&security_mode=WPAPSK&security_shared_mode=WEP&wep_default_key=1&WEP1Select=1"
          "&WEP2Select=1&&WEP3Select=1&WEP4Select=1&cipher=";
    body += security.wpaCipher == 0 ? "0" : "1";
    body += "&passphrase=" + security.passphrase;
    body += "&keyRenewalInterval=" + std::to_string(security.keyRenewalInterval);
    return body + "&PreAuthentication=1" + kRadiusTail;
}

} // namespace WirelessFormBodies
