#include "RouterIntegrationTest.h"

#include <fstream>

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

struct FaultCase {
    FaultMode mode;
    int pageResult;     // ExchangeRequest of the status page
    int loginResult;    // CheckLogin
    int submitResult;   // ConnectWan
};

class RouterFaults : public RouterIntegrationTest {
protected:
    template <typename Operation>
    int Timed(Operation operation)
    {
        const auto start = Clock::now();
        const int result = operation();
        EXPECT_LT(Clock::now() - start, kExchangeLimit);
        return result;
    }

    std::string NormalStatusPage()
    {
        std::string page;
        CRouterHttpClient(kTimeouts).ExchangeRequest("127.0.0.1", emulator->Port(), "admin", "qzmvx",
                                                      "/system_status.asp", "", page, true);
        return page;
    }
};

TEST_F(RouterFaults, EachFaultGivesItsResultInTime)
{
    const FaultCase cases[] = {
        {FaultMode::Refuse, 0, -1, -1},
        {FaultMode::Silent, 0, -1, -1},
        {FaultMode::Reset, 1, 1, 1},
        {FaultMode::Garbage, 1, 1, 1},
        {FaultMode::Oversized, 1, 1, 1},
        {FaultMode::SlowDrip, 1, 1, 1},
    };
    StartEmulator();
    const std::string normalPage = NormalStatusPage();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(FaultModeName(c.mode)));
        emulator->SetFaultMode(c.mode);
        std::string text = "untouched";
        CRouterHttpClient http(kTimeouts);
        EXPECT_EQ(Timed([&] {
                      return http.ExchangeRequest("127.0.0.1", emulator->Port(), "admin", "qzmvx",
                                                  "/system_status.asp", "", text, true);
                  }),
                  c.pageResult);
        if (c.pageResult == 0) {
            EXPECT_EQ(text, "untouched");
        } else if (c.mode != FaultMode::Garbage) {
            EXPECT_LE(text.size(), 8192U);
            EXPECT_EQ(text, normalPage.substr(0, text.size()) + std::string(text.size() - std::min(text.size(), normalPage.size()), ' '));
        }
        EXPECT_EQ(Timed([&] { return router.CheckLogin(Endpoint()); }), c.loginResult);
        EXPECT_EQ(Timed([&] { return router.ConnectWan(Endpoint()); }), c.submitResult);
    }
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
