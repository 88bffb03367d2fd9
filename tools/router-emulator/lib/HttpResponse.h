// One answer of the emulator. Every answer closes its connection, as the
// router's small web server does.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct HttpResponse {
    int status = 200;
    std::string reason = "OK";
    std::string contentType = "text/html";
    std::vector<std::pair<std::string, std::string>> extraHeaders;
    std::string body;

    // Status line and headers, announcing a body of contentLength bytes.
    std::string Head(std::size_t contentLength) const;
    // Status line and the headers that do not say how the body ends, without the empty line.
    std::string HeadFields() const;
    // The same lines, each without its line end.
    std::vector<std::string> HeadLines(std::string_view version = "HTTP/1.1") const;
    std::string Serialize() const;
};
