#include "EmulatorTest.h"

#include <cerrno>
#include <map>

namespace {

class EmulatorAnswerForms : public EmulatorTest {
protected:
    RawExchange SendUnder(FaultMode form, const std::string& request)
    {
        emulator->SetFaultMode(form);
        return Send(request, std::chrono::milliseconds(300));
    }
};

// The lines every answer of the detection handler carries before its framing.
constexpr const char* kLines[] = {"Server: corvane-emulator", "Pragma: no-cache", "Cache-Control: no-cache",
                                  "Content-Type: text/plain"};

std::string Lines(const std::string& statusLine, const std::vector<std::string>& lineEnds)
{
    std::string head = statusLine + lineEnds[0];
    for (std::size_t i = 0; i < std::size(kLines); ++i) {
        head += kLines[i] + lineEnds[i + 1];
    }
    return head;
}

TEST_F(EmulatorAnswerForms, EachFormFramesTheSameAnswerItsOwnWay)
{
    const std::vector<std::string> crlf(5, "\r\n");
    const std::vector<std::string> lf(5, "\n");
    const std::map<FaultMode, std::string> expected{
        {FaultMode::Chunked,
         Lines("HTTP/1.1 200 OK", crlf) + "Transfer-Encoding: chunked\r\nConnection: close\r\n\r\n1\r\n2\r\n0\r\n\r\n"},
        {FaultMode::CloseDelimited, Lines("HTTP/1.1 200 OK", crlf) + "Connection: close\r\n\r\n2"},
        {FaultMode::KeptOpen, Lines("HTTP/1.1 200 OK", crlf) + "Content-Length: 1\r\nConnection: keep-alive\r\n\r\n2"},
        {FaultMode::BareLf, Lines("HTTP/1.1 200 OK", lf) + "Content-Length: 1\nConnection: close\n\n2"},
        {FaultMode::MixedLf, Lines("HTTP/1.0 200 OK", {"\n", "\r\n", "\n", "\n", "\n"}) + "\n2"},
        {FaultMode::Http10, Lines("HTTP/1.0 200 OK", crlf) + "Content-Length: 1\r\n\r\n2"},
        {FaultMode::Redirect, Lines("HTTP/1.1 200 OK", crlf) + "Content-Length: 1\r\nConnection: close\r\n\r\n2"},
        {FaultMode::Headless, "2"},
        {FaultMode::Unmarked401, Lines("HTTP/1.1 200 OK", crlf) + "Content-Length: 1\r\nConnection: close\r\n\r\n2"},
        {FaultMode::UnannouncedClose, Lines("HTTP/1.1 200 OK", crlf) + "Content-Length: 1\r\n\r\n2"},
    };
    StartEmulator();
    ASSERT_EQ(expected.size(), kValidAnswerForms.size());
    for (const FaultMode form : kValidAnswerForms) {
        SCOPED_TRACE(std::string(FaultModeName(form)));
        const RawExchange answer = SendUnder(form, RawHttpClient::Request("GET", "/goform/WizardModeSel"));
        EXPECT_EQ(answer.received, expected.at(form));
        // Every form but the kept-open one closes the connection after its answer.
        EXPECT_EQ(answer.lastError, form == FaultMode::KeptOpen ? EAGAIN : 0);
    }
}

TEST_F(EmulatorAnswerForms, AFirmwareRedirectNamesTheAskedHostAndEndsWithTheConnection)
{
    StartEmulator();
    const RawExchange answer = SendUnder(
        FaultMode::Redirect, RawHttpClient::Request("POST", "/goform/SysStatusHandle", "CMD=WAN_CON&GO=system_status.asp"));
    EXPECT_EQ(answer.received.substr(0, 23), "HTTP/1.0 302 Redirect\r\n");
    EXPECT_NE(answer.received.find("\r\nLocation: http://127.0.0.1/system_status.asp\r\n\r\n"), std::string::npos);
    EXPECT_EQ(answer.received.find("Content-Length"), std::string::npos);
    EXPECT_LT(RawHttpClient::BodyOf(answer.received).size(), 200U);
    EXPECT_EQ(answer.lastError, 0);
}

TEST_F(EmulatorAnswerForms, AnUnmarkedRefusalKeepsItsStatusButNotTheText)
{
    StartEmulator();
    const std::string request = RawHttpClient::Request("GET", "/main.html", {}, "admin:wrong");
    const std::string marked = SendUnder(FaultMode::None, request).received;
    const std::string unmarked = SendUnder(FaultMode::Unmarked401, request).received;
    EXPECT_NE(RawHttpClient::BodyOf(marked).find("HTTP/1.1 401 Unauthorized"), std::string::npos);
    EXPECT_EQ(unmarked.substr(0, 26), "HTTP/1.1 401 Unauthorized\r");
    EXPECT_EQ(RawHttpClient::BodyOf(unmarked).find("401"), std::string::npos);
}

} // namespace
