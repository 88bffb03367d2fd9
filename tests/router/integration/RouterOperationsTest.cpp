#include "RouterIntegrationTest.h"

namespace {

using std::chrono::seconds;

class RouterOperations : public RouterIntegrationTest {};

TEST_F(RouterOperations, CheckLoginAcceptsOnlyTheRouterCredentials)
{
    StartEmulator();
    EXPECT_EQ(router.CheckLogin(Endpoint()), 1);
    EXPECT_EQ(router.CheckLogin(Endpoint("wrong")), 0);
    EXPECT_EQ(router.CheckLogin(RouterEndpoint{"127.0.0.1", emulator->Port(), "", ""}), 0);
}

TEST_F(RouterOperations, DetectWanTypeReadsTheFirstCharacter)
{
    const std::pair<std::string, int> cases[] = {{"3\r\n", 3}, {"1", 1}, {"2", 2}, {"4", 4}, {"", -2}};
    for (const auto& [answer, expected] : cases) {
        SCOPED_TRACE(answer);
        config.detectedWanType = answer;
        StartEmulator();
        EXPECT_EQ(router.DetectWanType(Endpoint()), expected);
    }
    config.detectedWanType = "9";
    StartEmulator();
    EXPECT_LE(router.DetectWanType(Endpoint()), 0); // shown as a failed detection
}

TEST_F(RouterOperations, ReadMacAddressesFillsTheFirstFourStrings)
{
    StartEmulator();
    router.SetMacInfo(MacInfo{"", "", "", "", "kept-host"});
    ASSERT_EQ(router.ReadMacAddresses(Endpoint()), 1);
    MacInfo mac{"x", "x", "x", "x", "caller's"};
    router.GetMacInfo(mac);
    EXPECT_EQ(mac.factoryMac, config.factoryMac);
    EXPECT_EQ(mac.defaultMac, config.defaultMac);
    EXPECT_EQ(mac.cloneMac, config.cloneMac);
    EXPECT_EQ(mac.wanMac, config.defaultMac);
    EXPECT_EQ(mac.hostName, "caller's");
}

TEST_F(RouterOperations, CableStatusFollowsTheLinkDelay)
{
    config.linkUpDelay = seconds(4);
    StartEmulator();
    EXPECT_EQ(router.GetCableStatus(Endpoint()), 0);
    EXPECT_EQ(router.CheckCable(Endpoint()), 0);
    Wait(seconds(4));
    EXPECT_EQ(router.GetCableStatus(Endpoint()), 1);
    EXPECT_EQ(router.CheckCable(Endpoint()), 1);
}

struct WanCase {
    int wanType;
    int routerType;
    std::string field;
    std::string value;
};

TEST_F(RouterOperations, ApplyWanSettingsSetsTheRouterTypeAndFields)
{
    const WanCase cases[] = {
        {1, WanStaticIp, "WANIP", "203.0.113.5"},
        {2, WanDynamicIp, "hostName", "my-pc"},
        {3, WanPppoe, "PUN", "a&b"},
        {4, WanPptp, "pptpIP", "198.51.100.4"},
        {5, WanL2tp, "l2tpIP", "198.51.100.4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wanType);
        StartEmulator();
        router.SetRouterInfo(RouterInfo{"127.0.0.1", "admin", "qzmvx", c.wanType});
        router.SetStaticIpInfo(
            StaticIpInfo{"203.0.113.5", "255.255.255.0", "203.0.113.1", "9.9.9.9", "", "02:00:00:00:00:05"});
        router.SetMacInfo(MacInfo{"", "", "", "02:00:00:00:00:05", "my-pc"});
        router.SetPppoeInfo(PppoeInfo{"a%26b", "pass word", "02:00:00:00:00:05"});
        router.SetPptpInfo(PptpInfo{"198.51.100.4", "u", "p", 1, "", "", ""});
        EXPECT_EQ(router.ApplyWanSettings(Endpoint()), 1);
        const RouterSnapshot state = emulator->State();
        EXPECT_EQ(state.wanType, c.routerType);
        EXPECT_EQ(state.wanFields.Get(c.field), c.value);
    }
}

TEST_F(RouterOperations, UnknownWanTypeSendsAPlainGet)
{
    StartEmulator();
    router.SetRouterInfo(RouterInfo{"127.0.0.1", "admin", "qzmvx", 0});
    EXPECT_EQ(router.ApplyWanSettings(Endpoint()), 1);
    ASSERT_EQ(emulator->RecordedRequests().size(), 1U);
    EXPECT_EQ(emulator->RecordedRequests()[0].substr(0, 34), "GET /goform/WizardHandle HTTP/1.1\r");
    EXPECT_EQ(emulator->State().wizardSubmissions, 0);
}

TEST_F(RouterOperations, ConnectWanMakesTheRouterReconnect)
{
    StartEmulator();
    EXPECT_EQ(router.ConnectWan(Endpoint()), 1);
    EXPECT_EQ(emulator->State().reconnectCount, 1);
}

TEST_F(RouterOperations, ApplyWirelessSettingsSendsBothFormsAroundOnePause)
{
    StartEmulator();
    router.SetWirelessInfo(WirelessInfo{"Home Net", 6, 1, true});
    SecurityInfo security;
    security.securityMode = 3;
    security.wpaCipher = 1;
    security.passphrase = "secret%26key";
    security.keyRenewalInterval = 3600;
    router.SetSecurityInfo(security);
    EXPECT_EQ(router.ApplyWirelessSettings(Endpoint()), 1);
    EXPECT_EQ(pauses, (std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(2000)}));
    const RouterSnapshot state = emulator->State();
    EXPECT_EQ(state.wireless.Get("ssid"), "Home Net");
    EXPECT_EQ(state.wireless.Get("sz11gChannel"), "6");
    EXPECT_EQ(state.wireless.Get("n_extcha"), "2");
    EXPECT_EQ(state.wireless.Get("broadcastssid"), "1");
    EXPECT_EQ(state.security.Get("security_mode"), "WPA2PSK");
    EXPECT_EQ(state.security.Get("passphrase"), "secret&key");
    EXPECT_EQ(state.security.Get("keyRenewalInterval"), "3600");

    router.SetSecurityInfo(SecurityInfo{});
    EXPECT_EQ(router.ApplyWirelessSecurity(Endpoint()), 1);
    EXPECT_EQ(emulator->State().security.Get("security_mode"), "Disable");
}

TEST_F(RouterOperations, ApplyMacCloneRebootsAndTheRouterReturnsWithItsSettings)
{
    config.rebootDuration = seconds(30);
    StartEmulator();
    ASSERT_EQ(router.ReadMacAddresses(Endpoint()), 1);
    MacInfo mac;
    router.GetMacInfo(mac);
    mac.wanMac = mac.cloneMac;
    router.SetMacInfo(mac);
    EXPECT_EQ(router.ApplyMacClone(Endpoint()), 1);
    EXPECT_EQ(router.CheckLogin(Endpoint()), -1);
    EXPECT_EQ(router.ReadWanStatus(Endpoint()), -1);

    Wait(seconds(30));
    ASSERT_EQ(router.ReadWanStatus(Endpoint()), 1);
    WanStatusInfo status;
    router.GetWanStatusInfo(status);
    EXPECT_EQ(status.connectionType, "Dynamic IP");
    EXPECT_EQ(status.wanIp, config.wanAddress);
    EXPECT_EQ(status.subnetMask, config.wanMask);
    EXPECT_EQ(status.gateway, config.wanGateway);
    EXPECT_EQ(status.wanMac, config.cloneMac);
    const RouterSnapshot state = emulator->State();
    EXPECT_TRUE(state.cloneEnabled);
    EXPECT_EQ(state.rebootCount, 1);
}

} // namespace
