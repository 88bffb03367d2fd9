#include "EmulatorTest.h"

namespace {

class EmulatorPages : public EmulatorTest {};

// The page parsers of the library match these texts exactly: blanks around
// "=" only for wanIP and the MAC variables, a character after each closing quote.
TEST_F(EmulatorPages, StatusAndMacPagesCarryTheVariablesEarlyInAFewKilobytes)
{
    StartEmulator();
    struct PageCase {
        std::string path;
        std::vector<std::string> lines;
    };
    const PageCase pages[] = {
        {"/system_status.asp",
         {"cableDSL=\"2\";", "conTypeIdx=\"2\";", "wanIP = \"100.64.10.23\";", "subMask=\"255.255.255.0\";",
          "gateWay=\"100.64.10.1\";", "wan_mac=\"02:C0:FF:EE:00:01\";"}},
        {"/mac_clone.asp",
         {"cln_MAC = \"02:11:22:33:44:55\";", "def_MAC = \"02:C0:FF:EE:00:01\";", "fac_MAC = \"02:C0:FF:EE:00:01\";"}},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.path);
        const std::string body = Get(page.path);
        EXPECT_GT(body.size(), 2000U);
        EXPECT_LT(body.size(), 8192U);
        for (const auto& line : page.lines) {
            const auto at = body.find(line);
            EXPECT_NE(at, std::string::npos) << line;
            EXPECT_EQ(body.find(line.substr(0, line.find('=') + 1), at + 1), std::string::npos) << "repeated: " << line;
        }
    }
}

TEST_F(EmulatorPages, ModeSelectionAnswersTheConfiguredTextAsIs)
{
    for (const std::string detected : {"3\r\n", "", "9", "1"}) {
        SCOPED_TRACE(detected);
        config.detectedWanType = detected;
        StartEmulator();
        const std::string answer = Send(RawHttpClient::Request("GET", "/goform/WizardModeSel")).received;
        EXPECT_NE(answer.find("\r\nContent-Length: " + std::to_string(detected.size()) + "\r\n"), std::string::npos);
        EXPECT_EQ(RawHttpClient::BodyOf(answer), detected);
    }
}

TEST_F(EmulatorPages, EveryPathNeedsTheRightBasicCredentials)
{
    StartEmulator();
    struct AuthCase {
        std::string authorizationLine;
        std::string statusLine;
    };
    const std::string good = BasicCredentials::Base64("admin:qzmvx");
    const AuthCase cases[] = {
        {"", "HTTP/1.1 401 Unauthorized"},
        {"Authorization: Basic " + BasicCredentials::Base64("admin:wrong") + "\r\n", "HTTP/1.1 401 Unauthorized"},
        {"Authorization: Basic " + BasicCredentials::Base64("root:qzmvx") + "\r\n", "HTTP/1.1 401 Unauthorized"},
        {"Authorization: Digest " + good + "\r\n", "HTTP/1.1 401 Unauthorized"},
        {"Authorization: Basic " + good + "x\r\n", "HTTP/1.1 401 Unauthorized"},
        {"authorization: Basic " + good + "\r\n", "HTTP/1.1 200 OK"},
    };
    for (const std::string path : {"/main.html", "/system_status.asp", "/goform/WizardModeSel"}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(path + " " + c.authorizationLine);
            const std::string answer =
                Send("GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + c.authorizationLine + "\r\n").received;
            EXPECT_EQ(answer.substr(0, c.statusLine.size()), c.statusLine);
            const bool refused = c.statusLine.find("401") != std::string::npos;
            EXPECT_EQ(RawHttpClient::BodyOf(answer).find("HTTP/1.1 401 Unauthorized") != std::string::npos, refused);
        }
    }
    Send(RawHttpClient::Request("POST", "/goform/WizardHandle", "GO=wizard.asp&WANT=3&PUN=a&PPW=b", "admin:bad"));
    EXPECT_EQ(emulator->State().wizardSubmissions, 0);
}

TEST_F(EmulatorPages, UnknownPathIsNotFound)
{
    StartEmulator();
    EXPECT_EQ(Send(RawHttpClient::Request("GET", "/nothing.asp")).received.substr(0, 22), "HTTP/1.1 404 Not Found");
}

} // namespace
