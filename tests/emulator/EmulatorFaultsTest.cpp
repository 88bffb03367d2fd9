#include "EmulatorTest.h"

#include <cerrno>

namespace {

using std::chrono::milliseconds;

class EmulatorFaults : public EmulatorTest {
protected:
    std::string NormalAnswer(std::string_view path)
    {
        const FaultMode mode = emulator->GetFaultMode();
        emulator->SetFaultMode(FaultMode::None);
        std::string answer = Send(RawHttpClient::Request("GET", path)).received;
        emulator->SetFaultMode(mode);
        return answer;
    }
};

TEST_F(EmulatorFaults, RefuseClosesTheListenerUntilSwitchedBack)
{
    config.fault = FaultMode::Refuse;
    StartEmulator();
    const RawExchange refused = Send(RawHttpClient::Request("GET", "/main.html"));
    EXPECT_FALSE(refused.connected);
    EXPECT_EQ(refused.lastError, ECONNREFUSED);
    emulator->SetFaultMode(FaultMode::None);
    EXPECT_EQ(Send(RawHttpClient::Request("GET", "/main.html")).received.substr(0, 15), "HTTP/1.1 200 OK");
}

TEST_F(EmulatorFaults, SilentReadsTheRequestAndNeverAnswers)
{
    config.fault = FaultMode::Silent;
    StartEmulator();
    const RawExchange silent = Send(RawHttpClient::Request("GET", "/main.html"), milliseconds(200));
    EXPECT_TRUE(silent.connected);
    EXPECT_TRUE(silent.received.empty());
    EXPECT_EQ(silent.lastError, EAGAIN);
    EXPECT_EQ(emulator->RecordedRequests().size(), 1U);
}

TEST_F(EmulatorFaults, ResetSendsAPrefixThenResets)
{
    config.fault = FaultMode::Reset;
    StartEmulator();
    const std::string normal = NormalAnswer("/system_status.asp");
    const RawExchange reset = Send(RawHttpClient::Request("GET", "/system_status.asp"));
    EXPECT_EQ(reset.lastError, ECONNRESET);
    EXPECT_FALSE(reset.received.empty());
    EXPECT_LT(reset.received.size(), normal.size());
    EXPECT_EQ(normal.substr(0, reset.received.size()), reset.received);
}

TEST_F(EmulatorFaults, GarbageIsNotHttpAndEndsNormally)
{
    config.fault = FaultMode::Garbage;
    StartEmulator();
    const RawExchange garbage = Send(RawHttpClient::Request("GET", "/main.html"));
    EXPECT_EQ(garbage.lastError, 0);
    EXPECT_FALSE(garbage.received.empty());
    EXPECT_NE(garbage.received.substr(0, 5), "HTTP/");
}

TEST_F(EmulatorFaults, OversizedStreamsTenMegabytesAfterThePage)
{
    config.fault = FaultMode::Oversized;
    StartEmulator();
    const std::string page = RawHttpClient::BodyOf(NormalAnswer("/system_status.asp"));
    const RawExchange big = Send(RawHttpClient::Request("GET", "/system_status.asp"));
    EXPECT_EQ(big.lastError, 0);
    EXPECT_NE(big.received.find("\r\nContent-Length: 10485760\r\n"), std::string::npos);
    const std::string body = RawHttpClient::BodyOf(big.received);
    EXPECT_EQ(body.size(), 10485760U);
    EXPECT_EQ(body.substr(0, page.size()), page);
}

TEST_F(EmulatorFaults, SlowDripDeliversTheWholeAnswerInSmallPieces)
{
    config.fault = FaultMode::SlowDrip;
    config.dripGap = milliseconds(1);
    StartEmulator();
    const std::string normal = NormalAnswer("/goform/WizardModeSel");
    const RawExchange drip = Send(RawHttpClient::Request("GET", "/goform/WizardModeSel"));
    EXPECT_EQ(drip.received, normal);
    EXPECT_GT(drip.reads, normal.size() / 4);
}

TEST_F(EmulatorFaults, StopEndsHangingConnections)
{
    config.fault = FaultMode::Silent;
    StartEmulator();
    const RawExchange silent = Send(RawHttpClient::Request("GET", "/main.html"), milliseconds(50));
    EXPECT_TRUE(silent.connected);
    emulator->Stop();
    EXPECT_FALSE(Send(RawHttpClient::Request("GET", "/main.html")).connected);
}

} // namespace
