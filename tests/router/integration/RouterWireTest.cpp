#include "RouterIntegrationTest.h"

namespace {

const std::string kFixedLines =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, application/x-silverlight, */*\r\n"
    "Accept-Language: zh-cn\r\n"
    "UA-CPU: x86\r\n"
    "If-Modified-Since: 100\r\n"
    "Accept-Encoding: gzip, deflate\r\n"
    "User-Agent: Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1; .NET CLR 2.0.50727)\r\n"
    "Host: 127.0.0.1\r\n"
    "Connection: Keep-Alive\r\n"
    "Authorization: Basic YWRtaW46cXptdng=\r\n";

class RouterWire : public RouterIntegrationTest {};

TEST_F(RouterWire, GetAndPostGoOutByteForByte)
{
    StartEmulator();
    EXPECT_EQ(router.CheckLogin(Endpoint()), 1);
    EXPECT_EQ(router.ConnectWan(Endpoint()), 1);
    const std::vector<std::string> expected{
        "GET /main.html HTTP/1.1\r\n" + kFixedLines + "\r\n",
        "POST /goform/SysStatusHandle HTTP/1.1\r\n" + kFixedLines +
            "Content-Length: 41\r\n\r\nCMD=WAN_CON&GO=system_status.asp&action=1",
    };
    EXPECT_EQ(emulator->RecordedRequests(), expected);
}

} // namespace
