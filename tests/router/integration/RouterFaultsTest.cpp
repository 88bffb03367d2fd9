#include "RouterIntegrationTest.h"

#include <condition_variable>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

// Every exchange must end within its three time limits plus some slack
// for a loaded machine or a sanitizer build.
constexpr milliseconds kExchangeLimit = RouterIntegrationTest::kTimeouts.connect +
                                        RouterIntegrationTest::kTimeouts.send +
                                        RouterIntegrationTest::kTimeouts.receive + milliseconds(1000);

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

class RouterFaults : public RouterIntegrationTest {
protected:
    static constexpr HttpTimeouts kShortTimeouts{milliseconds(200), milliseconds(200), milliseconds(200)};

    std::string PageText(FaultMode mode, const std::string& path)
    {
        emulator->SetFaultMode(mode);
        std::string page;
        CRouterHttpClient(kTimeouts).ExchangeRequest("127.0.0.1", emulator->Port(), "admin", "qzmvx", path, "", page,
                                                      true);
        return page;
    }
};

template <typename Operation>
int Timed(Operation operation, milliseconds limit)
{
    const auto start = Clock::now();
    const int result = operation();
    EXPECT_LT(Clock::now() - start, limit);
    return result;
}

using Reading = int (CCorvanelibObject::*)(RouterEndpoint);
constexpr Reading kPageReads[] = {&CCorvanelibObject::CheckLogin, &CCorvanelibObject::GetCableStatus,
                                  &CCorvanelibObject::DetectWanType, &CCorvanelibObject::ReadMacAddresses,
                                  &CCorvanelibObject::ReadWanStatus};

struct BrokenAnswer {
    FaultMode mode;
    int submitResult; // a submission counts as sent once a final head arrived
};

TEST_F(RouterFaults, EveryPageReadFailsInTimeAndLeavesTheRecordsAlone)
{
    const BrokenAnswer cases[] = {
        {FaultMode::Refuse, -1},         {FaultMode::Silent, -1},       {FaultMode::Reset, -1},
        {FaultMode::SlowDrip, -1},       {FaultMode::StallAfterHead, 1}, {FaultMode::ResetMidBody, 1},
        {FaultMode::InterimOnly, -1},
    };
    constexpr milliseconds kLimit = kShortTimeouts.connect + kShortTimeouts.send + kShortTimeouts.receive + milliseconds(1000);
    StartEmulator();
    CCorvanelibObject shortLimits{kShortTimeouts};
    const MacInfo macs{"02:00:00:00:00:01", "02:00:00:00:00:02", "02:00:00:00:00:03", "02:00:00:00:00:04", "host"};
    WanStatusInfo status;
    status.connectionType = "PPPoE";
    status.wanIp = "100.64.1.2";
    shortLimits.SetMacInfo(macs);
    shortLimits.SetWanStatusInfo(status);
    for (const BrokenAnswer& c : cases) {
        SCOPED_TRACE(std::string(FaultModeName(c.mode)));
        emulator->SetFaultMode(c.mode);
        for (const Reading read : kPageReads) {
            EXPECT_EQ(Timed([&] { return (shortLimits.*read)(Endpoint()); }, kLimit), -1);
        }
        EXPECT_EQ(Timed([&] { return shortLimits.ConnectWan(Endpoint()); }, kLimit), c.submitResult);
        MacInfo macsNow;
        shortLimits.GetMacInfo(macsNow);
        EXPECT_EQ(macsNow.cloneMac, macs.cloneMac);
        EXPECT_EQ(macsNow.wanMac, macs.wanMac);
        WanStatusInfo statusNow;
        shortLimits.GetWanStatusInfo(statusNow);
        EXPECT_EQ(statusNow.connectionType, "PPPoE");
        EXPECT_EQ(statusNow.wanIp, "100.64.1.2");
    }
}

using Submission = int (CCorvanelibObject::*)(RouterEndpoint);
constexpr Submission kSubmissions[] = {&CCorvanelibObject::ConnectWan, &CCorvanelibObject::ApplyWanSettings,
                                       &CCorvanelibObject::ApplyWirelessBasic, &CCorvanelibObject::ApplyWirelessSecurity,
                                       &CCorvanelibObject::ApplyWirelessSettings, &CCorvanelibObject::ApplyMacClone};

// The submissions change what the pages say, so each form is compared with
// the normal answer of the moment.
TEST_F(RouterFaults, EveryValidAnswerFormReadsAsTheWholePage)
{
    StartEmulator();
    router.SetRouterInfo(RouterInfo{"127.0.0.1", "admin", "qzmvx", 3});
    router.SetPppoeInfo(PppoeInfo{"isp-user", "isp-pass", ""});
    router.SetMacInfo(MacInfo{"", "", "", "02:11:22:33:44:55", "pc"});
    router.SetWirelessInfo(WirelessInfo{"Home", 0, 1, true});
    router.SetSecurityInfo(SecurityInfo{});
    for (const FaultMode mode : kValidAnswerForms) {
        SCOPED_TRACE(std::string(FaultModeName(mode)));
        const std::string normalPage = PageText(FaultMode::None, "/system_status.asp");
        ASSERT_FALSE(normalPage.empty());
        EXPECT_EQ(PageText(mode, "/system_status.asp"), normalPage);
        for (const Reading read : kPageReads) {
            emulator->SetFaultMode(FaultMode::None);
            const int normal = (router.*read)(Endpoint());
            emulator->SetFaultMode(mode);
            EXPECT_EQ(Timed([&] { return (router.*read)(Endpoint()); }, kExchangeLimit), normal);
        }
        for (const Submission submit : kSubmissions) {
            EXPECT_EQ(Timed([&] { return (router.*submit)(Endpoint()); }, kExchangeLimit), 1);
        }
        EXPECT_EQ(Timed([&] { return router.CheckLogin(Endpoint("wrong")); }, kExchangeLimit), 0);
    }
}

// Stands in for a resolver that takes far longer than the connect limit.
class StuckNameLookup {
public:
    NameLookup Lookup()
    {
        return [this](const std::string&, std::uint16_t) {
            std::unique_lock lock(mutex_);
            released_.wait(lock, [this] { return free_; });
            return std::vector<SocketAddress>{};
        };
    }
    void Release()
    {
        const std::lock_guard lock(mutex_);
        free_ = true;
        released_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool free_ = false;
};

TEST_F(RouterFaults, ASlowNameLookupEndsAtTheConnectLimit)
{
    StartEmulator();
    StuckNameLookup stuck;
    CCorvanelibObject named{kShortTimeouts, CCorvanelibObject::SleepFor, milliseconds(0), stuck.Lookup()};
    RouterEndpoint endpoint = Endpoint();
    endpoint.address = "router.invalid";
    EXPECT_EQ(Timed([&] { return named.ReadWanStatus(endpoint); }, kShortTimeouts.connect + milliseconds(500)), -1);
    EXPECT_EQ(Timed([&] { return named.ConnectWan(endpoint); }, kShortTimeouts.connect + milliseconds(500)), -1);
    stuck.Release();
}

TEST_F(RouterFaults, OnlyANameGoesToTheLookup)
{
    StartEmulator();
    std::vector<std::string> looked;
    const std::uint16_t port = emulator->Port();
    CCorvanelibObject named{kTimeouts, CCorvanelibObject::SleepFor, milliseconds(0),
                            [&](const std::string& host, std::uint16_t) {
                                looked.push_back(host);
                                return LiteralAddress("127.0.0.1", port);
                            }};
    EXPECT_EQ(named.CheckLogin(Endpoint()), 1);
    EXPECT_TRUE(looked.empty());
    RouterEndpoint endpoint = Endpoint();
    endpoint.address = "router.lan";
    EXPECT_EQ(named.CheckLogin(endpoint), 1);
    EXPECT_EQ(looked, std::vector<std::string>{"router.lan"});
}

TEST_F(RouterFaults, GarbageArrivesAsTheAnswerText)
{
    config.fault = FaultMode::Garbage;
    StartEmulator();
    std::string text;
    ASSERT_EQ(CRouterHttpClient(kTimeouts).ExchangeRequest("127.0.0.1", emulator->Port(), "admin", "qzmvx",
                                                            "/goform/WizardModeSel", "", text, true),
              1);
    EXPECT_EQ(text.substr(0, 3), "\x16\x03\x01");
    EXPECT_EQ(router.DetectWanType(Endpoint()), 0);
}

TEST_F(RouterFaults, OversizedAnswerIsCutAtTheFirst8192BytesWithBoundedMemory)
{
    config.fault = FaultMode::Oversized;
    StartEmulator();
    const long before = ResidentKilobytes();
    std::string text;
    ASSERT_EQ(CRouterHttpClient(kTimeouts).ExchangeRequest("127.0.0.1", emulator->Port(), "admin", "qzmvx",
                                                            "/system_status.asp", "", text, true),
              1);
    EXPECT_EQ(text.size(), 8192U);
    EXPECT_LT(ResidentKilobytes() - before, 6 * 1024);
    EXPECT_EQ(router.GetCableStatus(Endpoint()), 1); // the page's values lie within those bytes
}

TEST_F(RouterFaults, ApplyWirelessSettingsReportsOnlyTheSecurityStep)
{
    config.fault = FaultMode::Refuse;
    StartEmulator();
    router.SetWirelessInfo(WirelessInfo{"Home", 0, 1, true});
    router.SetSecurityInfo(SecurityInfo{});
    EXPECT_EQ(router.ApplyWirelessSettings(Endpoint()), -1);
    EXPECT_EQ(router.ApplyWirelessBasic(Endpoint()), -1);
    EXPECT_EQ(router.ReadMacAddresses(Endpoint()), -1);
    EXPECT_EQ(router.ReadWanStatus(Endpoint()), -1);
    EXPECT_EQ(router.DetectWanType(Endpoint()), -1);
    EXPECT_EQ(router.GetCableStatus(Endpoint()), -1);
    EXPECT_EQ(router.ApplyWanSettings(Endpoint()), -1);
    EXPECT_EQ(router.ApplyMacClone(Endpoint()), -1);
}

} // namespace
