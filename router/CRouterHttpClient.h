// One HTTP exchange with the router's web server per call: a fixed header
// block with Basic credentials, a GET or a form POST, and the first 8192
// bytes of the answer's body. Nothing is kept between calls.
#pragma once

#include "CDLLObject.h"
#include "HttpAnswer.h"
#include "HttpTimeouts.h"
#include "RouterAddressLookup.h"

#include <cstdint>
#include <optional>
#include <string>

class RouterSocket;

class CRouterHttpClient {
public:
    // `lookup` resolves a router address given by name; a literal address never reaches it.
    explicit CRouterHttpClient(HttpTimeouts timeouts = {}, NameLookup lookup = SystemNameLookup);

    // 1 when the exchange completed (whatever the status), 0 when it failed;
    // on failure `responseText` is left as it was. Never throws.
    int ExchangeRequest(const std::string& address, std::uint16_t port, const std::string& userName,
        const std::string& password, const std::string& path, const std::string& body,
        std::string& responseText, bool readResponse);

    // The same exchange, also giving the answer's status; nothing when it failed.
    std::optional<HttpAnswer> Exchange(const RouterEndpoint& endpoint, const std::string& path,
        const std::string& body, bool readResponse) const noexcept;

    static std::string BuildRequestHeaders(const std::string& address, const std::string& path,
        const std::string& userName, const std::string& password, const std::string& body);
    // The complete request as it goes on the wire.
    static std::string BuildRequestMessage(const RouterEndpoint& endpoint, const std::string& path,
        const std::string& body);
    // Base64 of `text` up to its first zero byte.
    static std::string EncodeCredentials(const std::string& text);

private:
    std::optional<HttpAnswer> ReadAnswer(RouterSocket& socket, bool readResponse) const;

    HttpTimeouts timeouts_;
    NameLookup lookup_;
};
