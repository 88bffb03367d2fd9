#include "CRouterHttpClient.h"

#include "HttpAnswerReader.h"
#include "RouterTcpConnection.h"

#include <array>

namespace {

constexpr std::size_t kReceiveChunk = 4096;

constexpr const char* kFixedHeaderLines =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, "
    "application/x-silverlight, */*\r\n"
    "Accept-Language: zh-cn\r\n"
    "UA-CPU: x86\r\n"
    "If-Modified-Since: 100\r\n"
    "Accept-Encoding: gzip, deflate\r\n"
    "User-Agent: Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1; .NET CLR 2.0.50727)\r\n";

constexpr std::string_view kBase64Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

void AppendBase64Group(std::string& out, const unsigned char* group, std::size_t length)
{
    const unsigned value = (unsigned{group[0]} << 16) | (length > 1 ? unsigned{group[1]} << 8 : 0u)
        | (length > 2 ? unsigned{group[2]} : 0u);
    out += kBase64Alphabet[(value >> 18) & 0x3f];
    out += kBase64Alphabet[(value >> 12) & 0x3f];
    out += length > 1 ? kBase64Alphabet[(value >> 6) & 0x3f] : '=';
    out += length > 2 ? kBase64Alphabet[value & 0x3f] : '=';
}

} // namespace

CRouterHttpClient::CRouterHttpClient(HttpTimeouts timeouts) : timeouts_(timeouts) {}

int CRouterHttpClient::ExchangeRequest(const std::string& address, std::uint16_t port, const std::string& userName,
    const std::string& password, const std::string& path, const std::string& body, std::string& responseText,
    bool readResponse)
{
    const RouterEndpoint endpoint{address, port, userName, password};
    std::optional<HttpAnswer> answer = Exchange(endpoint, path, body, readResponse);
    if (!answer) {
        return 0;
    }
    responseText = std::move(answer->body);
    return 1;
}

std::optional<HttpAnswer> CRouterHttpClient::Exchange(const RouterEndpoint& endpoint, const std::string& path,
    const std::string& body, bool readResponse) const noexcept
{
    try {
        RouterTcpConnection connection(timeouts_);
        if (!connection.Connect(endpoint.address, endpoint.port)
            || !connection.Send(BuildRequestMessage(endpoint, path, body))) {
            return std::nullopt;
        }
        // Even when the body is not wanted, the head is awaited: a request
        // counts as sent only once the server has answered it.
        HttpAnswerReader reader(readResponse);
        std::array<char, kReceiveChunk> buffer{};
        while (!reader.Done()) {
            const std::size_t received = connection.Receive(buffer);
            if (received == 0) {
                reader.EndOfStream();
                break;
            }
            reader.Feed(std::string_view(buffer.data(), received));
        }
        if (!reader.ReceivedAny()) {
            return std::nullopt;
        }
        return reader.Answer();
    } catch (...) {
        return std::nullopt;
    }
}

std::string CRouterHttpClient::BuildRequestHeaders(const std::string& address, const std::string& /*path*/,
    const std::string& userName, const std::string& password, const std::string& /*body*/)
{
    std::string headers = kFixedHeaderLines;
    headers += "Host: " + address + "\r\n";
    headers += "Connection: Keep-Alive\r\n";
    headers += "Authorization: Basic " + EncodeCredentials(userName + ":" + password) + "\r\n";
    return headers;
}

std::string CRouterHttpClient::BuildRequestMessage(const RouterEndpoint& endpoint, const std::string& path,
    const std::string& body)
{
    std::string message = (body.empty() ? "GET " : "POST ") + path + " HTTP/1.1\r\n";
    message += BuildRequestHeaders(endpoint.address, path, endpoint.userName, endpoint.password, body);
    if (!body.empty()) {
        message += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    }
    message += "\r\n";
    message += body;
    return message;
}

std::string CRouterHttpClient::EncodeCredentials(const std::string& text)
{
    const std::string_view input(text.c_str()); // stops at the first zero byte
    std::string encoded;
    encoded.reserve((input.size() + 2) / 3 * 4);
    const auto* bytes = reinterpret_cast<const unsigned char*>(input.data());
    for (std::size_t offset = 0; offset < input.size(); offset += 3) {
        AppendBase64Group(encoded, bytes + offset, std::min<std::size_t>(3, input.size() - offset));
    }
    return encoded;
}
