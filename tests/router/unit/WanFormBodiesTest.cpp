#include "WanFormBodies.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct WanCase {
    const char* name;
    int wanType;
    int addressMode;
    std::string expected;
};

StaticIpInfo SampleStaticIp()
{
    return {"10.0.0.2", "255.255.255.0", "10.0.0.1", "8.8.8.8", "8.8.4.4", "00:11:22:33:44:55"};
}

MacInfo SampleMac()
{
    return {"00:AA:00:00:00:01", "00:AA:00:00:00:02", "00:AA:00:00:00:03", "00:AA:00:00:00:04", "desk pc"};
}

PptpInfo SampleTunnel(int addressMode)
{
    return {"vpn.example", "tun%40user", "p%26w", addressMode, "172.16.0.9", "255.255.0.0", "172.16.0.1"};
}

class RouterWanSettingsBody : public testing::TestWithParam<WanCase> {};

TEST_P(RouterWanSettingsBody, IsBuiltWholeForTheChosenType)
{
    const WanCase& c = GetParam();
    const RouterInfo router{"192.168.0.1", "admin", "admin", c.wanType};
    const PppoeInfo pppoe{"user%40isp", "secret", "00:11:22:33:44:66"};
    EXPECT_EQ(WanFormBodies::BuildWanSettingsBody(router, SampleStaticIp(), SampleMac(), pppoe,
                  SampleTunnel(c.addressMode)),
        c.expected);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, RouterWanSettingsBody,
    testing::Values(
        WanCase{"StaticIp", 1, 0,
            "GO=wizard.asp&WANT=1&WANIP=10.0.0.2&WANMSK=255.255.255.0&WANGW=10.0.0.1&DNS1=8.8.8.8"
            "&DNS2=8.8.4.4&WMAC=00:11:22:33:44:55"},
        WanCase{"DynamicIp", 2, 0, "GO=wizard.asp&WANT=2&WMAC=00:AA:00:00:00:04&hostName=desk pc"},
        WanCase{"Pppoe", 3, 0, "GO=wizard.asp&WANT=3&PUN=user%40isp&PPW=secret&&WMAC=00:11:22:33:44:66"},
        WanCase{"PptpAutomatic", 4, 1,
            "GO=wizard.asp&WANT=5&pptpIP=vpn.example&pptpPUN=tun%40user&pptpPPW=p%26w&pptpAdrMode=2"},
        WanCase{"PptpFixedModeZero", 4, 0,
            "GO=wizard.asp&WANT=5&pptpIP=vpn.example&pptpPUN=tun%40user&pptpPPW=p%26w&pptpAdrMode=1"
            "&pptpWANIP=172.16.0.9&pptpWANMSK=255.255.0.0&pptpWANGW=172.16.0.1"},
        WanCase{"PptpFixedModeTwo", 4, 2,
            "GO=wizard.asp&WANT=5&pptpIP=vpn.example&pptpPUN=tun%40user&pptpPPW=p%26w&pptpAdrMode=1"
            "&pptpWANIP=172.16.0.9&pptpWANMSK=255.255.0.0&pptpWANGW=172.16.0.1"},
        WanCase{"L2tpAutomatic", 5, 1,
            "GO=wizard.asp&WANT=4&l2tpIP=vpn.example&l2tpPUN=tun%40user&l2tpPPW=p%26w&l2tpAdrMode=2"},
        WanCase{"L2tpFixed", 5, 0,
            "GO=wizard.asp&WANT=4&WANIP=&WANMSK=&WANGW=&PUN=&PPW=&DNS1=&DNS2=&l2tpIP=vpn.example"
            "&l2tpPUN=tun%40user&l2tpPPW=p%26w&l2tpAdrMode=1&l2tpWANIP=172.16.0.9&l2tpWANMSK=255.255.0.0"
            "&l2tpWANGW=172.16.0.1&pptpIP=&pptpPUN=&pptpPPW=&pptpAdrMode=&pptpWANIP=&pptpWANMSK=&pptpWANGW="
            "&rebootTag="},
        WanCase{"UnknownTypeZero", 0, 0, ""},
        WanCase{"UnknownTypeSix", 6, 0, ""}),
    [](const testing::TestParamInfo<WanCase>& info) { return std::string(info.param.name); });

TEST(RouterWanSettingsBodyValues, EmptyHostNameEndsTheDynamicBody)
{
    MacInfo mac = SampleMac();
    mac.hostName.clear();
    EXPECT_EQ(WanFormBodies::BuildDynamicIpBody(mac), "GO=wizard.asp&WANT=2&WMAC=00:AA:00:00:00:04&hostName=");
}

struct CloneCase {
    const char* name;
    std::string cloneMac;
    std::string wanMac;
    std::string expected;
};

class RouterMacCloneBody : public testing::TestWithParam<CloneCase> {};

TEST_P(RouterMacCloneBody, FlagsCloningOnlyForAnExactlyEqualAddress)
{
    const CloneCase& c = GetParam();
    const MacInfo mac{"00:AA:00:00:00:01", "00:AA:00:00:00:02", c.cloneMac, c.wanMac, "host"};
    EXPECT_EQ(WanFormBodies::BuildMacCloneBody(mac), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Flags, RouterMacCloneBody,
    testing::Values(
        CloneCase{"Equal", "0a:bc:00:00:00:01", "0a:bc:00:00:00:01",
            "GO=mac_clone.asp&rebootTag=1&cloneEn=1&WMAC=0a:bc:00:00:00:01"},
        CloneCase{"DiffersInCase", "0a:bc:00:00:00:01", "0A:BC:00:00:00:01",
            "GO=mac_clone.asp&rebootTag=1&cloneEn=0&WMAC=0A:BC:00:00:00:01"},
        CloneCase{"Different", "0a:bc:00:00:00:01", "00:AA:00:00:00:02",
            "GO=mac_clone.asp&rebootTag=1&cloneEn=0&WMAC=00:AA:00:00:00:02"}),
    [](const testing::TestParamInfo<CloneCase>& info) { return std::string(info.param.name); });

} // namespace
