#include "NetworkCardContent.h"
#include "QtTestSupport.h"
#include "ResultHeadline.h"
#include "WifiUri.h"
#include "WirelessStatus.h"

namespace {

using namespace std::chrono_literals;

WanStatusInfo Wireless(const char* ssid, int securityMode, const char* key, bool broadcast)
{
    WanStatusInfo status;
    SetWireless(status, ssid, securityMode, key, broadcast);
    return status;
}

TEST(WifiUri, TypeKeyHiddenFlagAndEscapes)
{
    const struct {
        const char* name;
        WanStatusInfo status;
        const char* expected;
    } cases[] = {
        {"open network has no key", Wireless("Home", 0, "leftover", true), "WIFI:T:nopass;S:Home;;"},
        {"WEP", Wireless("Home", 1, "12345", true), "WIFI:T:WEP;S:Home;P:12345;;"},
        {"WPA", Wireless("Home", 2, "secret123", true), "WIFI:T:WPA;S:Home;P:secret123;;"},
        {"WPA2 reads as WPA", Wireless("Home", 3, "secret123", true), "WIFI:T:WPA;S:Home;P:secret123;;"},
        {"hidden network", Wireless("Home", 3, "secret123", false), "WIFI:T:WPA;S:Home;P:secret123;H:true;;"},
        {"every special character", Wireless(R"(a\b;c,d:e"f)", 2, R"(p;a,s:s\"w)", true),
         R"(WIFI:T:WPA;S:a\\b\;c\,d\:e\"f;P:p\;a\,s\:s\\\"w;;)"},
        {"placeholders stay text", Wireless("%1 %2", 2, "%1key%2", true), "WIFI:T:WPA;S:%1 %2;P:%1key%2;;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WifiUri(c.status), QString::fromUtf8(c.expected)) << c.name;
}

TEST(ResultHeadlineState, FollowsTheWanValuesTheWaitAndWhatTheWizardLearnt)
{
    using enum ResultHeadline;
    const struct {
        const char* name;
        ResultFacts facts;
        ResultState expected;
    } cases[] = {
        {"address known", {true, true, 5s, 3, 0}, {Online, OfflineCause::None}},
        {"address known, rounds over", {true, false, 5min, 2, {}}, {Online, OfflineCause::None}},
        {"first minute", {false, true, 59s, 2, {}}, {Connecting, OfflineCause::None}},
        {"first minute after a refused account", {false, true, 10s, 3, 0}, {Connecting, OfflineCause::None}},
        {"after a minute, nothing known", {false, true, 60s, 2, {}}, {SlowConnecting, OfflineCause::None}},
        {"after a minute, account refused", {false, true, 61s, 3, 0}, {NotOnline, OfflineCause::AccountRefused}},
        {"after a minute, link down earlier", {false, true, 2min, 2, 0}, {NotOnline, OfflineCause::LinkDown}},
        {"account check passed", {false, true, 2min, 3, 1}, {SlowConnecting, OfflineCause::None}},
        {"router silent during the check", {false, true, 2min, 3, -1}, {SlowConnecting, OfflineCause::None}},
        {"rounds stopped", {false, false, 1s, 2, {}}, {NotOnline, OfflineCause::None}},
        {"rounds stopped, account refused", {false, false, 1s, 3, 0}, {NotOnline, OfflineCause::AccountRefused}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideResultState(c.facts), c.expected) << c.name;
}

using NetworkCard = ProgramFolderTest;

TEST_F(NetworkCard, CarriesTheNetworkItsCodeAndTheAppliedAddresses)
{
    WizardData data;
    data.wanStatusInfo = WanStatusInfo{"Static IP", "10.0.0.9", "255.0.0.0", "10.0.0.1", "", "Home", 0, 1, true, 0,
                                       "leftover"};
    data.routerInfo.wanType = 1;
    data.staticIpInfo = StaticIpInfo{"192.0.2.7", "255.255.255.0", "192.0.2.1", "9.9.9.9", "", ""};
    const NetworkCardContent open = MakeNetworkCard(data, QDate(2026, 12, 7));
    EXPECT_EQ(open.joinCode, "WIFI:T:nopass;S:Home;;");
    // No key line for an open network, even with an old key in the record.
    EXPECT_EQ(open.wireless.size(), 2);
    EXPECT_EQ(open.internet.at(1), (CardLine{"IP Address", "192.0.2.7"}));
    EXPECT_EQ(open.internet.at(4), (CardLine{"Primary DNS", "9.9.9.9"}));
    EXPECT_EQ(open.dateLine, "Card Date 2026-12-07");

    data.wanStatusInfo.securityMode = 3;
    data.wanStatusInfo.securityKey = "secret123";
    data.routerInfo.wanType = 3;
    const NetworkCardContent wpa = MakeNetworkCard(data, QDate(2026, 12, 7));
    EXPECT_EQ(wpa.wireless.at(2), (CardLine{"Key", "secret123"}));
    EXPECT_EQ(wpa.internet.size(), 4);
    EXPECT_EQ(wpa.internet.at(1), (CardLine{"IP Address", "10.0.0.9"}));
}

} // namespace
