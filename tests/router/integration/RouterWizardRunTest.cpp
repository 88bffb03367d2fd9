#include "RouterIntegrationTest.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

// One PPPoE run as the wizard's worker drives the router: link check,
// account check, save, reboot, then the result page's refreshes.
class RouterWizardRun : public RouterIntegrationTest {
protected:
    int PollCable(int rounds)
    {
        int result = 0;
        for (int round = 0; round < rounds && result != 1; ++round) {
            result = router.CheckCable(Endpoint());
            if (result != 1) {
                Wait(seconds(10));
            }
        }
        return result;
    }

    const RouterInfo routerInfo{"127.0.0.1", "admin", "qzmvx", 3};
};

TEST_F(RouterWizardRun, PppoeRunEndsWithTheWanUp)
{
    config.linkUpDelay = seconds(15);
    config.rebootDuration = seconds(25);
    StartEmulator();

    ASSERT_EQ(router.CheckLogin(Endpoint()), 1);
    ASSERT_EQ(router.ReadMacAddresses(Endpoint()), 1);
    MacInfo mac;
    router.GetMacInfo(mac);

    router.SetRouterInfo(routerInfo);
    router.SetPppoeInfo(PppoeInfo{"isp-user", "isp-pass", mac.defaultMac});
    EXPECT_EQ(router.ConnectWan(Endpoint()), 1);
    EXPECT_EQ(router.ApplyWanSettings(Endpoint()), 1);
    Wait(seconds(1));
    EXPECT_EQ(PollCable(4), 1);

    mac.hostName = "my-pc";
    router.SetMacInfo(mac);
    EXPECT_EQ(router.ApplyWanSettings(Endpoint()), 1);
    Wait(seconds(40));
    router.SetWirelessInfo(WirelessInfo{"Home", 0, 1, true});
    router.SetSecurityInfo(SecurityInfo{});
    EXPECT_EQ(router.ApplyWirelessSettings(Endpoint()), 1);
    Wait(seconds(20));
    EXPECT_EQ(router.ReadWanStatus(Endpoint()), 1);

    EXPECT_EQ(router.ConnectWan(Endpoint()), 1);
    Wait(milliseconds(500));
    EXPECT_EQ(router.ApplyMacClone(Endpoint()), 1);
    Wait(seconds(30));
    EXPECT_EQ(router.ReadWanStatus(Endpoint()), 1);

    WanStatusInfo status;
    for (int refresh = 0; refresh < 10 && (status.wanIp.empty() || status.wanIp == "0.0.0.0"); ++refresh) {
        Wait(seconds(2));
        ASSERT_EQ(router.ReadWanStatus(Endpoint()), 1);
        router.GetWanStatusInfo(status);
    }
    EXPECT_EQ(status.connectionType, "PPPoE");
    EXPECT_EQ(status.wanIp, config.wanAddress);
    EXPECT_EQ(status.gateway, config.wanGateway);
    EXPECT_EQ(emulator->State().rebootCount, 1);
}

TEST_F(RouterWizardRun, WrongPppoeAccountNeverBringsTheLinkUp)
{
    StartEmulator();
    router.SetRouterInfo(routerInfo);
    router.SetPppoeInfo(PppoeInfo{"isp-user", "not-the-password", ""});
    EXPECT_EQ(router.ConnectWan(Endpoint()), 1);
    EXPECT_EQ(router.ApplyWanSettings(Endpoint()), 1);
    EXPECT_EQ(PollCable(4), 0);
}

} // namespace
