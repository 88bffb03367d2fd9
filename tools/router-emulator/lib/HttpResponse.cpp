#include "HttpResponse.h"

std::string HttpResponse::Head(std::size_t contentLength) const
{
    return HeadFields() + "Content-Length: " + std::to_string(contentLength) + "\r\nConnection: close\r\n\r\n";
}

std::string HttpResponse::HeadFields() const
{
    std::string head;
    for (const std::string& line : HeadLines()) {
        head += line + "\r\n";
    }
    return head;
}

std::vector<std::string> HttpResponse::HeadLines(std::string_view version) const
{
    std::vector<std::string> lines{
        std::string(version) + " " + std::to_string(status) + " " + reason,
        "Server: corvane-emulator",
        "Pragma: no-cache",
        "Cache-Control: no-cache",
        "Content-Type: " + contentType,
    };
    for (const auto& [name, value] : extraHeaders) {
        lines.push_back(name + ": " + value);
    }
    return lines;
}

std::string HttpResponse::Serialize() const
{
    return Head(body.size()) + body;
}
