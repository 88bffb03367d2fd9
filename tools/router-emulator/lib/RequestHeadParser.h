// Reads the head of a request (request line and header lines, up to and
// including the empty line). Anything malformed gives no request.
#pragma once

#include "HttpRequest.h"

#include <cstddef>
#include <optional>
#include <string_view>

class RequestHeadParser {
public:
    // The head without its body; the body length comes from ContentLength.
    static std::optional<HttpRequest> Parse(std::string_view head);
    // Content-Length of a parsed head: 0 when absent, nothing when invalid.
    static std::optional<std::size_t> ContentLength(const HttpRequest& request);

private:
    static bool ParseRequestLine(std::string_view line, HttpRequest& request);
    static bool ParseHeaderLine(std::string_view line, HttpRequest& request);
};
