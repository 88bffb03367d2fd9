#include "EmulatorTest.h"

namespace {

struct WizardCase {
    std::string body;
    int wanType;
    std::string field;
    std::string value; // decoded as the router stores it
};

class EmulatorHandlers : public EmulatorTest {};

TEST_F(EmulatorHandlers, WizardSubmissionsSetTypeAndFields)
{
    const WizardCase cases[] = {
        {"GO=wizard.asp&WANT=1&WANIP=203.0.113.5&WANMSK=255.255.255.0&WANGW=203.0.113.1&DNS1=9.9.9.9&DNS2=&WMAC=02:00:00:00:00:07",
         WanStaticIp, "WANGW", "203.0.113.1"},
        {"GO=wizard.asp&WANT=2&WMAC=02:00:00:00:00:07&hostName=my pc", WanDynamicIp, "hostName", "my pc"},
        {"GO=wizard.asp&WANT=3&PUN=a%26b%5b1%5d&PPW=pass word&&WMAC=02:00:00:00:00:07", WanPppoe, "PUN", "a&b[1]"},
        {"GO=wizard.asp&WANT=4&l2tpIP=198.51.100.9&l2tpPUN=u&l2tpPPW=p&l2tpAdrMode=2", WanL2tp, "l2tpIP", "198.51.100.9"},
        {"GO=wizard.asp&WANT=5&pptpIP=198.51.100.8&pptpPUN=u&pptpPPW=p&pptpAdrMode=2", WanPptp, "pptpIP", "198.51.100.8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        StartEmulator();
        EXPECT_NE(Post("/goform/WizardHandle", c.body).find("HTTP/1.1 302 Found\r\n"), std::string::npos);
        const RouterSnapshot state = emulator->State();
        EXPECT_EQ(state.wanType, c.wanType);
        EXPECT_EQ(state.wanFields.Get(c.field), c.value);
        EXPECT_EQ(state.wizardSubmissions, 1);
    }
}

TEST_F(EmulatorHandlers, UnknownOrMissingWizardTypeChangesNothing)
{
    StartEmulator();
    Post("/goform/WizardHandle", "GO=wizard.asp&WANT=7&WANIP=1.2.3.4");
    Post("/goform/WizardHandle", "GO=wizard.asp&WANT=");
    Get("/goform/WizardHandle");
    const RouterSnapshot state = emulator->State();
    EXPECT_EQ(state.wanType, WanDynamicIp);
    EXPECT_EQ(state.wizardSubmissions, 0);
}

TEST_F(EmulatorHandlers, WizardMacAddressIsTakenOnlyWhenValid)
{
    StartEmulator();
    Post("/goform/WizardHandle", "GO=wizard.asp&WANT=2&WMAC=nonsense&hostName=");
    EXPECT_EQ(emulator->State().wanMac, config.defaultMac);
    Post("/goform/WizardHandle", "GO=wizard.asp&WANT=2&WMAC=02:AB:CD:EF:01:23&hostName=");
    EXPECT_EQ(emulator->State().wanMac, "02:AB:CD:EF:01:23");
}

TEST_F(EmulatorHandlers, MacCloneSetsFlagAndAddressAndRebootsOnlyWhenAsked)
{
    StartEmulator();
    Post("/goform/AdvSetMacClone", "GO=mac_clone.asp&cloneEn=1&WMAC=02:11:22:33:44:55");
    RouterSnapshot state = emulator->State();
    EXPECT_TRUE(state.cloneEnabled);
    EXPECT_EQ(state.wanMac, "02:11:22:33:44:55");
    EXPECT_EQ(state.rebootCount, 0);

    Post("/goform/AdvSetMacClone", "GO=mac_clone.asp&rebootTag=1&cloneEn=0&WMAC=02:C0:FF:EE:00:09");
    state = emulator->State();
    EXPECT_FALSE(state.cloneEnabled);
    EXPECT_EQ(state.wanMac, "02:C0:FF:EE:00:09");
    EXPECT_EQ(state.rebootCount, 1);
}

TEST_F(EmulatorHandlers, WirelessAndSecurityFormsAreStoredDecoded)
{
    StartEmulator();
    Post("/goform/wirelessBasic",
         "wirelessmode=9&bssid_num=1&ssid=My Net_1&mssid_1=&broadcastssid=1&sz11gChannel=3&n_mode=0&n_extcha=7");
    Post("/goform/APSecurity", "ssidIndex=0&security_mode=WPA2PSK&cipher=1&passphrase=a%26b%25c&keyRenewalInterval=3600");
    const RouterSnapshot state = emulator->State();
    EXPECT_EQ(state.wireless.Get("ssid"), "My Net_1");
    EXPECT_EQ(state.wireless.Get("sz11gChannel"), "3");
    EXPECT_EQ(state.wireless.Get("n_extcha"), "7");
    EXPECT_EQ(state.security.Get("security_mode"), "WPA2PSK");
    EXPECT_EQ(state.security.Get("passphrase"), "a&b%c");
}

TEST_F(EmulatorHandlers, OnlyWanConnectReconnects)
{
    StartEmulator();
    Post("/goform/SysStatusHandle", "CMD=WAN_DISCON&GO=system_status.asp&action=1");
    EXPECT_EQ(emulator->State().reconnectCount, 0);
    Post("/goform/SysStatusHandle", "CMD=WAN_CON&GO=system_status.asp&action=1");
    EXPECT_EQ(emulator->State().reconnectCount, 1);
}

TEST_F(EmulatorHandlers, HandlersRedirectToTheirGoPageWithoutHeaderInjection)
{
    StartEmulator();
    EXPECT_NE(Post("/goform/APSecurity", "GO=wireless_security.asp&ssidIndex=0").find("\r\nLocation: /wireless_security.asp\r\n"),
              std::string::npos);
    const std::string injected = Post("/goform/AdvSetMacClone", "GO=x%0d%0aSet-Cookie: a=b&cloneEn=0");
    EXPECT_EQ(injected.find("Set-Cookie"), std::string::npos);
    EXPECT_NE(injected.find("\r\nLocation: /mac_clone.asp\r\n"), std::string::npos);
}

} // namespace
