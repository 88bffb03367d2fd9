#include "CRouterHttpClient.h"

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Repeat(const std::string& piece, std::size_t times)
{
    std::string out;
    for (std::size_t i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

struct Base64Case {
    const char* name;
    std::string text;
    std::string expected;
};

class RouterCredentials : public testing::TestWithParam<Base64Case> {};

TEST_P(RouterCredentials, AreEncodedWhole)
{
    EXPECT_EQ(CRouterHttpClient::EncodeCredentials(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, RouterCredentials,
    testing::Values(Base64Case{"Empty", "", ""}, Base64Case{"OneByte", "f", "Zg=="},
        Base64Case{"TwoBytes", "fo", "Zm8="}, Base64Case{"ThreeBytes", "foo", "Zm9v"},
        Base64Case{"SixBytes", "foobar", "Zm9vYmFy"}, Base64Case{"UserAndPassword", "admin:admin", "YWRtaW46YWRtaW4="},
        Base64Case{"EmptyPassword", "admin:", "YWRtaW46"},
        Base64Case{"HighBytesUnsigned", "\xff\xfe\xfd", "//79"},
        Base64Case{"StopsAtZeroByte", std::string("ab\0cd", 5), "YWI="},
        Base64Case{"NinetyOneBytes", std::string(91, 'a'), Repeat("YWFh", 30) + "YQ=="},
        Base64Case{"NinetyThreeBytes", std::string(93, 'a'), Repeat("YWFh", 31)},
        Base64Case{"BeyondNinetyThree", std::string(300, 'a'), Repeat("YWFh", 100)}),
    [](const testing::TestParamInfo<Base64Case>& info) { return std::string(info.param.name); });

const std::string kFixedLines =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, application/x-silverlight, */*\r\n"
    "Accept-Language: zh-cn\r\n"
    "UA-CPU: x86\r\n"
    "If-Modified-Since: 100\r\n"
    "Accept-Encoding: gzip, deflate\r\n"
    "User-Agent: Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1; .NET CLR 2.0.50727)\r\n";

TEST(RouterRequestHeaders, AreTheNineLinesWhateverPathAndBody)
{
    const std::string expected = kFixedLines
        + "Host: 192.168.0.1\r\nConnection: Keep-Alive\r\nAuthorization: Basic YWRtaW46YWRtaW4=\r\n";
    EXPECT_EQ(CRouterHttpClient::BuildRequestHeaders("192.168.0.1", "/main.html", "admin", "admin", ""), expected);
    EXPECT_EQ(CRouterHttpClient::BuildRequestHeaders("192.168.0.1", "/other", "admin", "admin", "a=1"), expected);
}

TEST(RouterRequestMessage, ForAGetHasNoLengthAndNoBody)
{
    const RouterEndpoint endpoint{"router.lan", 80, "admin", ""};
    EXPECT_EQ(CRouterHttpClient::BuildRequestMessage(endpoint, "/main.html", ""),
        "GET /main.html HTTP/1.1\r\n" + kFixedLines
            + "Host: router.lan\r\nConnection: Keep-Alive\r\nAuthorization: Basic YWRtaW46\r\n\r\n");
}

TEST(RouterRequestMessage, ForAPostCarriesTheLengthAndTheBodyUnchanged)
{
    const RouterEndpoint endpoint{"192.168.0.1", 80, "admin", "admin"};
    const std::string body = "CMD=WAN_CON&GO=system_status.asp&action=1";
    EXPECT_EQ(CRouterHttpClient::BuildRequestMessage(endpoint, "/goform/SysStatusHandle", body),
        "POST /goform/SysStatusHandle HTTP/1.1\r\n" + kFixedLines
            + "Host: 192.168.0.1\r\nConnection: Keep-Alive\r\nAuthorization: Basic YWRtaW46YWRtaW4=\r\n"
              "Content-Length: 41\r\n\r\n"
            + body);
}

TEST(RouterRequestMessage, SendsLongBodiesWhole)
{
    const std::string body(5000, 'v');
    const std::string message = CRouterHttpClient::BuildRequestMessage({"r", 80, "u", "p"}, "/x", body);
    EXPECT_NE(message.find("Content-Length: 5000\r\n\r\n" + body), std::string::npos);
    EXPECT_TRUE(message.ends_with(body));
}

HttpTimeouts ShortTimeouts()
{
    using std::chrono::milliseconds;
    return {milliseconds(2000), milliseconds(2000), milliseconds(200)};
}

TEST(RouterFailedExchange, ToAClosedPortLeavesTheTextAlone)
{
    boost::asio::io_context io;
    boost::asio::ip::tcp::acceptor probe(io, {boost::asio::ip::make_address("127.0.0.1"), 0});
    const auto port = probe.local_endpoint().port();
    probe.close();

    CRouterHttpClient client(ShortTimeouts());
    std::string text = "unchanged";
    EXPECT_EQ(client.ExchangeRequest("127.0.0.1", port, "admin", "admin", "/main.html", "", text, true), 0);
    EXPECT_EQ(text, "unchanged");
}

TEST(RouterFailedExchange, WithASilentServerEndsAtTheReceiveLimit)
{
    boost::asio::io_context io;
    boost::asio::ip::tcp::acceptor silent(io, {boost::asio::ip::make_address("127.0.0.1"), 0});

    CRouterHttpClient client(ShortTimeouts());
    std::string text = "unchanged";
    EXPECT_EQ(client.ExchangeRequest("127.0.0.1", silent.local_endpoint().port(), "admin", "admin",
                  "/goform/WizardHandle", "a=1", text, false),
        0);
    EXPECT_EQ(text, "unchanged");
}

} // namespace
