#include "HttpResponse.h"

std::string HttpResponse::Head(std::size_t contentLength) const
{
    return HeadFields() + "Content-Length: " + std::to_string(contentLength) + "\r\nConnection: close\r\n\r\n";
}

std::string HttpResponse::HeadFields() const
{
    std::string head = "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\n";
    head += "Server: corvane-emulator\r\n";
    head += "Pragma: no-cache\r\n";
    head += "Cache-Control: no-cache\r\n";
    head += "Content-Type: " + contentType + "\r\n";
    for (const auto& [name, value] : extraHeaders) {
        head += name + ": " + value + "\r\n";
    }
    return head;
}

std::string HttpResponse::Serialize() const
{
    return Head(body.size()) + body;
}
