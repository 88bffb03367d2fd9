#include "EmulatorTest.h"

namespace {

using std::chrono::milliseconds;

class EmulatorRequests : public EmulatorTest {};

TEST_F(EmulatorRequests, RecordsTheExactBytesOfEachRequest)
{
    StartEmulator();
    const std::string get = RawHttpClient::Request("GET", "/main.html");
    const std::string post = RawHttpClient::Request("POST", "/goform/APSecurity", "ssidIndex=0&security_mode=Disable");
    Send(get);
    Send(post);
    EXPECT_EQ(emulator->RecordedRequests(), (std::vector<std::string>{get, post}));
    emulator->ClearRecordedRequests();
    EXPECT_TRUE(emulator->RecordedRequests().empty());
}

TEST_F(EmulatorRequests, MalformedRequestsGetAnErrorAndTheServerCarriesOn)
{
    StartEmulator();
    struct MalformedCase {
        std::string request;
        std::string statusLine;
    };
    const MalformedCase cases[] = {
        {"NONSENSE\r\n\r\n", "HTTP/1.1 400 Bad Request"},
        {std::string("\0\x01\x02 / HTTP/1.1\r\n\r\n", 19), "HTTP/1.1 400 Bad Request"},
        {"GET main.html HTTP/1.1\r\n\r\n", "HTTP/1.1 400 Bad Request"},
        {"GET /main.html FTP/1.0\r\n\r\n", "HTTP/1.1 400 Bad Request"},
        {"GET /main.html HTTP/1.1\r\nNoColonHere\r\n\r\n", "HTTP/1.1 400 Bad Request"},
        {"POST /goform/APSecurity HTTP/1.1\r\nContent-Length: abc\r\n\r\n", "HTTP/1.1 400 Bad Request"},
        {"POST /goform/APSecurity HTTP/1.1\r\nContent-Length: 3\r\nContent-Length: 4\r\n\r\nabcd",
         "HTTP/1.1 400 Bad Request"},
        {"POST /goform/APSecurity HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n", "HTTP/1.1 400 Bad Request"},
        {"POST /goform/APSecurity HTTP/1.1\r\nContent-Length: 99999999999\r\n\r\n",
         "HTTP/1.1 413 Request Entity Too Large"},
        {"GET /" + std::string(20000, 'a') + " HTTP/1.1\r\n\r\n", "HTTP/1.1 431 Request Header Fields Too Large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.request.substr(0, 60));
        EXPECT_EQ(Send(c.request).received.substr(0, c.statusLine.size()), c.statusLine);
    }
    EXPECT_EQ(Send(RawHttpClient::Request("GET", "/main.html")).received.substr(0, 15), "HTTP/1.1 200 OK");
}

TEST_F(EmulatorRequests, AnIncompleteRequestIsDroppedAfterTheTimeLimit)
{
    config.requestTimeout = milliseconds(100);
    StartEmulator();
    const RawExchange cut = Send("POST /goform/APSecurity HTTP/1.1\r\nContent-Length: 10\r\n\r\nabc", milliseconds(5000));
    EXPECT_TRUE(cut.connected);
    EXPECT_TRUE(cut.received.empty());
    EXPECT_EQ(cut.lastError, 0); // closed by the emulator, not by our own time limit
    EXPECT_EQ(emulator->State().security.Size(), 0U);
}

} // namespace
