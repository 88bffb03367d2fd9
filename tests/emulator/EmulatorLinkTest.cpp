#include "EmulatorTest.h"

#include <cerrno>

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

class EmulatorLink : public EmulatorTest {
protected:
    std::string CableLine() const
    {
        const std::string page = Get("/system_status.asp");
        const auto at = page.find("cableDSL=");
        return at == std::string::npos ? std::string{} : page.substr(at, 13);
    }
};

struct LinkCase {
    std::string wizardBody;
    milliseconds delay;
    milliseconds elapsed;
    std::string cableLine;
    std::string wanAddress;
};

TEST_F(EmulatorLink, ComesUpByTypeAccountAndDelay)
{
    const LinkCase cases[] = {
        {"WANT=2&WMAC=&hostName=", seconds(5), milliseconds(4999), "cableDSL=\"1\";", "0.0.0.0"},
        {"WANT=2&WMAC=&hostName=", seconds(5), seconds(5), "cableDSL=\"2\";", "100.64.10.23"},
        {"WANT=1&WANIP=203.0.113.5&WANMSK=255.255.255.0&WANGW=203.0.113.1", seconds(0), seconds(0), "cableDSL=\"2\";",
         "203.0.113.5"},
        {"WANT=3&PUN=isp-user&PPW=isp-pass&&WMAC=", seconds(3), seconds(2), "cableDSL=\"1\";", "0.0.0.0"},
        {"WANT=3&PUN=isp-user&PPW=isp-pass&&WMAC=", seconds(3), seconds(3), "cableDSL=\"2\";", "100.64.10.23"},
        {"WANT=3&PUN=isp-user&PPW=wrong&&WMAC=", seconds(3), seconds(3600), "cableDSL=\"0\";", "0.0.0.0"},
        {"WANT=3&PUN=ISP-USER&PPW=isp-pass&&WMAC=", seconds(0), seconds(1), "cableDSL=\"0\";", "0.0.0.0"},
        {"WANT=4&l2tpIP=198.51.100.9&l2tpPUN=isp-user&l2tpPPW=isp-pass&l2tpAdrMode=2", seconds(0), seconds(60),
         "cableDSL=\"0\";", "0.0.0.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wizardBody + " after " + std::to_string(c.elapsed.count()) + " ms");
        config.linkUpDelay = c.delay;
        StartEmulator();
        Post("/goform/WizardHandle", "GO=wizard.asp&" + c.wizardBody);
        Advance(c.elapsed);
        EXPECT_EQ(CableLine(), c.cableLine);
        EXPECT_EQ(emulator->State().wanAddress, c.wanAddress);
    }
}

TEST_F(EmulatorLink, ReconnectStartsTheDelayAgain)
{
    config.linkUpDelay = seconds(10);
    StartEmulator();
    Advance(seconds(10));
    EXPECT_EQ(emulator->State().link, LinkState::Connected);
    Post("/goform/SysStatusHandle", "CMD=WAN_CON&GO=system_status.asp&action=1");
    EXPECT_EQ(emulator->State().link, LinkState::Connecting);
    Advance(seconds(10));
    EXPECT_EQ(emulator->State().link, LinkState::Connected);
}

TEST_F(EmulatorLink, RebootRefusesConnectionsThenComesBackWithTheSavedSettings)
{
    config.rebootDuration = seconds(30);
    config.linkUpDelay = seconds(5);
    StartEmulator();
    Post("/goform/WizardHandle", "GO=wizard.asp&WANT=3&PUN=isp-user&PPW=isp-pass&&WMAC=02:00:00:00:00:42");
    const std::string answer = Post("/goform/AdvSetMacClone", "GO=mac_clone.asp&rebootTag=1&cloneEn=0&WMAC=02:00:00:00:00:42");
    EXPECT_EQ(answer.substr(0, 18), "HTTP/1.1 302 Found");

    EXPECT_EQ(Send(RawHttpClient::Request("GET", "/main.html")).lastError, ECONNREFUSED);
    Advance(seconds(29));
    EXPECT_EQ(Send(RawHttpClient::Request("GET", "/main.html")).lastError, ECONNREFUSED);
    EXPECT_TRUE(emulator->State().rebooting);

    Advance(seconds(1));
    EXPECT_EQ(CableLine(), "cableDSL=\"1\";");
    Advance(seconds(5));
    const RouterSnapshot state = emulator->State();
    EXPECT_EQ(state.link, LinkState::Connected);
    EXPECT_EQ(state.wanType, WanPppoe);
    EXPECT_EQ(state.wanMac, "02:00:00:00:00:42");
    EXPECT_EQ(state.rebootCount, 1);
}

} // namespace
