#include "CRouterHttpClient.h"

#include "HttpAnswerReader.h"
#include "RouterSocket.h"

#include <array>

namespace {

constexpr std::size_t kReceiveChunk = 16384;

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

CRouterHttpClient::CRouterHttpClient(HttpTimeouts timeouts, NameLookup lookup)
    : timeouts_(timeouts), lookup_(std::move(lookup))
{
}

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
    using Clock = RouterSocket::Clock;
    try {
        // The name lookup and the connection share the connect limit.
        const auto connectBy = Clock::now() + timeouts_.connect;
        RouterSocket socket;
        if (!socket.Connect(LookUpRouterAddress(endpoint.address, endpoint.port, lookup_, connectBy), connectBy)
            || !socket.SendAll(BuildRequestMessage(endpoint, path, body), Clock::now() + timeouts_.send)) {
            return std::nullopt;
        }
        return ReadAnswer(socket, readResponse);
    } catch (...) {
        return std::nullopt;
    }
}

// Even when the body is not wanted, a final head is awaited: a request
// counts as sent only once the server has answered it.
std::optional<HttpAnswer> CRouterHttpClient::ReadAnswer(RouterSocket& socket, bool readResponse) const
{
    const auto receiveBy = RouterSocket::Clock::now() + timeouts_.receive;
    HttpAnswerReader reader(readResponse);
    std::array<char, kReceiveChunk> buffer{};
    while (reader.Current() == HttpAnswerReader::Progress::Reading) {
        const RouterSocket::Received received = socket.Receive(buffer, receiveBy);
        if (received.kind == RouterSocket::Received::Kind::Failed) {
            return std::nullopt;
        }
        if (received.kind == RouterSocket::Received::Kind::End) {
            reader.EndOfStream();
        } else {
            reader.Feed(std::string_view(buffer.data(), received.size));
        }
    }
    if (reader.Current() != HttpAnswerReader::Progress::Complete) {
        return std::nullopt;
    }
    return reader.Answer();
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
