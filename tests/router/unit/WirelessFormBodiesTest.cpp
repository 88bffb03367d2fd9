#include "WirelessFormBodies.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct BasicCase {
    const char* name;
    WirelessInfo wireless;
    std::string expected;
};

class RouterWirelessBasicBody : public testing::TestWithParam<BasicCase> {};

TEST_P(RouterWirelessBasicBody, IsBuiltWhole)
{
    EXPECT_EQ(WirelessFormBodies::BuildWirelessBasicBody(GetParam().wireless), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(ModesAndChannels, RouterWirelessBasicBody,
    testing::Values(
        BasicCase{"MixedBgnAutomatic", {"Home Net", 0, 1, true},
            "wirelessmode=9&bssid_num=1&ssid=Home Net&mssid_1=&broadcastssid=1"
            "&sz11gChannel=0&n_mode=0&n_bandwidth=1&n_gi=1&n_mcs=33&n_rdg=1&n_amsdu=0"},
        BasicCase{"MixedBgnChannel3ExtendsUp", {"net", 3, 1, false},
            "wirelessmode=9&bssid_num=1&ssid=net&mssid_1=&broadcastssid=0"
            "&sz11gChannel=3&n_mode=0&n_bandwidth=1&n_gi=1&n_mcs=33&n_rdg=1&n_extcha=7&n_amsdu=0"},
        BasicCase{"MixedBgnChannel4ExtendsUp", {"net", 4, 1, true},
            "wirelessmode=9&bssid_num=1&ssid=net&mssid_1=&broadcastssid=1"
            "&sz11gChannel=4&n_mode=0&n_bandwidth=1&n_gi=1&n_mcs=33&n_rdg=1&n_extcha=8&n_amsdu=0"},
        BasicCase{"MixedBgnChannel5ExtendsDown", {"net", 5, 1, true},
            "wirelessmode=9&bssid_num=1&ssid=net&mssid_1=&broadcastssid=1"
            "&sz11gChannel=5&n_mode=0&n_bandwidth=1&n_gi=1&n_mcs=33&n_rdg=1&n_extcha=1&n_amsdu=0"},
        BasicCase{"MixedBgnChannel11", {"net", 11, 1, true},
            "wirelessmode=9&bssid_num=1&ssid=net&mssid_1=&broadcastssid=1"
            "&sz11gChannel=11&n_mode=0&n_bandwidth=1&n_gi=1&n_mcs=33&n_rdg=1&n_extcha=7&n_amsdu=0"},
        BasicCase{"MixedBgnChannel13", {"net", 13, 1, true},
            "wirelessmode=9&bssid_num=1&ssid=net&mssid_1=&broadcastssid=1"
            "&sz11gChannel=13&n_mode=0&n_bandwidth=1&n_gi=1&n_mcs=33&n_rdg=1&n_extcha=9&n_amsdu=0"},
        BasicCase{"MixedBgChannel6", {"my-net_2", 6, 0, true},
            "wirelessmode=0&bssid_num=1&ssid=my-net_2&mssid_1=&broadcastssid=1"
            "&sz11gChannel=6&n_mode=0&n_bandwidth=1&n_gi=1&n_rdg=1&n_extcha=1&n_amsdu=0"},
        BasicCase{"MixedBgAutomatic", {"net", 0, 2, false},
            "wirelessmode=0&bssid_num=1&ssid=net&mssid_1=&broadcastssid=0"
            "&sz11gChannel=0&n_mode=0&n_bandwidth=1&n_gi=1&n_rdg=1&n_extcha=1&n_amsdu=0"}),
    [](const testing::TestParamInfo<BasicCase>& info) { return std::string(info.param.name); });

SecurityInfo Wep(int authMode, int keyFormat, int keyIndex)
{
    SecurityInfo security;
    security.securityMode = 1;
    security.wepAuthMode = authMode;
    security.wepKeyFormat = keyFormat;
    security.wepKeyIndex = keyIndex;
    security.wepKey = "K3y";
    return security;
}

SecurityInfo Wpa(int mode, int cipher)
{
    SecurityInfo security;
    security.securityMode = mode;
    security.wpaCipher = cipher;
    security.passphrase = "pass%20word";
    security.keyRenewalInterval = 3600;
    return security;
}

SecurityInfo OfMode(int mode)
{
    SecurityInfo security;
    security.securityMode = mode;
    return security;
}

struct SecurityCase {
    const char* name;
    SecurityInfo security;
    std::string expected;
};

class RouterWirelessSecurityBody : public testing::TestWithParam<SecurityCase> {};

TEST_P(RouterWirelessSecurityBody, IsBuiltWhole)
{
    EXPECT_EQ(WirelessFormBodies::BuildWirelessSecurityBody(GetParam().security), GetParam().expected);
}

const std::string kOpen = "ssidIndex=0&security_mode=OPEN&security_shared_mode=WEP&wep_default_key=";
const std::string kShared = "ssidIndex=0&security_mode=SHARED&security_shared_mode=WEP&wep_default_key= ";
const std::string kRadius31 =
    "&RadiusServerIP=192.168.31.100&RadiusServerPort=1812&RadiusServerSecret=NoRadSecret"
    "&RadiusServerSessionTimeout=3600";

INSTANTIATE_TEST_SUITE_P(Modes, RouterWirelessSecurityBody,
    testing::Values(
        SecurityCase{"None", OfMode(0),
            "ssidIndex=0&security_mode=Disable&security_shared_mode=WEP&wep_default_key=2&wep_key_1=90817"
            "&WEP1Select=1&wep_key_2=90817&WEP2Select=1&wep_key_3=90817&WEP3Select=1&wep_key_4=90817"
            "&WEP4Select=1&PreAuthentication=1&RadiusServerIP=192.168.0.100&RadiusServerPort=1812"
            "&RadiusServerSecret=NoRadSecret&RadiusServerSessionTimeout=3600"},
        SecurityCase{"UnknownModeFallsBack", OfMode(7),
            "ssidIndex=0&security_mode=Disable&security_shared_mode=WEP&wep_default_key=1&wep_key_1=90817"
            "&WEP1Select=1&wep_key_2=90817&WEP2Select=1&wep_key_3=90817&WEP3Select=1&wep_key_4=90817"
            "&WEP4Select=1&PreAuthentication=1" + kRadius31},
        SecurityCase{"WpaPskTkip", Wpa(2, 0),
            "ssidIndex=0&security_mode=WPAPSK&security_shared_mode=WEP&wep_default_key=1&WEP1Select=1"
            "&WEP2Select=1&&WEP3Select=1&WEP4Select=1&cipher=0&passphrase=pass%20word"
            "&keyRenewalInterval=3600&PreAuthentication=1" + kRadius31},
        SecurityCase{"Wpa2PskAes", Wpa(3, 5),
            "ssidIndex=0&security_mode=WPA2PSK&security_shared_mode=WEP&wep_default_key=1&WEP1Select=1"
            "&WEP2Select=1&WEP3Select=1&WEP4Select=1&cipher=1&passphrase=pass%20word"
            "&keyRenewalInterval=3600&PreAuthentication=1" + kRadius31},
        SecurityCase{"WepOpenKey1Ascii", Wep(0, 0, 0),
            kOpen + "1&wep_key_1=K3y&WEP1Select=1&WEP2Select=1&WEP3Select=1&WEP4Select=1"},
        SecurityCase{"WepOpenKey1Hex", Wep(0, 1, 0),
            kOpen + "1&wep_key_1=K3y&WEP1Select=0&WEP2Select=1&WEP3Select=1&WEP4Select=1"},
        SecurityCase{"WepOpenKey2Ascii", Wep(0, 0, 1),
            kOpen + "2&WEP1Select=1&wep_key_2=K3y&WEP2Select=1&WEP3Select=1&WEP4Select=1"},
        SecurityCase{"WepOpenKey2Hex", Wep(0, 1, 1),
            kOpen + "2&WEP1Select=1&wep_key_2=K3y&WEP2Select=0&WEP3Select=1&WEP4Select=1"},
        SecurityCase{"WepOpenKey3Ascii", Wep(0, 0, 2),
            kOpen + "3&WEP1Select=1&WEP2Select=1&wep_key_3=K3y&WEP3Select=1&WEP4Select=1"},
        SecurityCase{"WepOpenKey3Hex", Wep(0, 1, 2),
            kOpen + "3&WEP1Select=1&WEP2Select=1&wep_key_3=K3y&WEP3Select=0&WEP4Select=1"},
        SecurityCase{"WepOpenKey4Ascii", Wep(0, 0, 3),
            kOpen + "4&WEP1Select=1&WEP2Select=1&WEP3Select=1&wep_key_4=K3y&WEP4Select=1"},
        SecurityCase{"WepOpenKey4Hex", Wep(0, 1, 3),
            kOpen + "4&wep_key_1=&wep_key_2=&WEP2Select=1&WEP3Select=1&wep_key_4=K3y&WEP4Select=0"},
        SecurityCase{"WepSharedKey2Ascii", Wep(1, 0, 1),
            kShared + "2&WEP1Select=1&wep_key_2=K3y&WEP2Select=1&WEP3Select=1&WEP4Select=1"},
        SecurityCase{"WepKeyIndexOutOfRangeEndsAfterNumber", Wep(0, 0, 4), kOpen + "5"},
        SecurityCase{"WepNegativeKeyIndexEndsAfterNumber", Wep(0, 0, -1), kOpen + "0"}),
    [](const testing::TestParamInfo<SecurityCase>& info) { return std::string(info.param.name); });

} // namespace
