#include "AnswerForm.h"

#include <cstdio>

namespace {

std::string Joined(const std::vector<std::string>& lines, const char* lineEnd)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + lineEnd;
    }
    return text;
}

std::string LengthLine(const HttpResponse& answer)
{
    return "Content-Length: " + std::to_string(answer.body.size());
}

std::string Chunked(const HttpResponse& answer)
{
    constexpr std::size_t kPieceBytes = 1000;
    std::string bytes = answer.HeadFields() + "Transfer-Encoding: chunked\r\nConnection: close\r\n\r\n";
    for (std::size_t offset = 0; offset < answer.body.size(); offset += kPieceBytes) {
        const std::string piece = answer.body.substr(offset, kPieceBytes);
        char size[20];
        std::snprintf(size, sizeof size, "%zx\r\n", piece.size());
        bytes += size + piece + "\r\n";
    }
    return bytes + "0\r\n\r\n";
}

std::string BareLf(const HttpResponse& answer)
{
    std::vector<std::string> lines = answer.HeadLines();
    lines.push_back(LengthLine(answer));
    lines.push_back("Connection: close");
    return Joined(lines, "\n") + "\n" + answer.body;
}

// As a firmware's header helper writes it: only the Server line ends in CRLF.
std::string MixedLf(const HttpResponse& answer)
{
    std::vector<std::string> lines = answer.HeadLines("HTTP/1.0");
    lines[1] += '\r';
    return Joined(lines, "\n") + "\n" + answer.body;
}

std::string Http10(const HttpResponse& answer)
{
    std::vector<std::string> lines = answer.HeadLines("HTTP/1.0");
    lines.push_back(LengthLine(answer));
    return Joined(lines, "\r\n") + "\r\n" + answer.body;
}

// A firmware redirect: to an absolute address built from the Host header,
// with a short page of its own and no length.
std::string Redirect(const HttpResponse& answer, const std::string& host)
{
    if (answer.status != 302) {
        return answer.Serialize();
    }
    HttpResponse moved = answer;
    moved.reason = "Redirect";
    for (auto& [name, value] : moved.extraHeaders) {
        if (name == "Location") {
            value = "http://" + host + value;
            moved.body = "<html><body>Moved to <a href=\"" + value + "\">" + value + "</a>.</body></html>\r\n";
        }
    }
    return Joined(moved.HeadLines("HTTP/1.0"), "\r\n") + "\r\n" + moved.body;
}

// A refusal page of the kind firmware writes, without the status text.
std::string Unmarked401(const HttpResponse& answer)
{
    if (answer.status != 401) {
        return answer.Serialize();
    }
    HttpResponse refused = answer;
    refused.body = "<html><head><title>Access denied</title></head>\n"
                   "<body><h2>Access denied</h2><p>This page needs a user name and password.</p></body></html>\n";
    return refused.Serialize();
}

} // namespace

std::string RenderAnswerForm(FaultMode form, const HttpResponse& answer, const std::string& host)
{
    switch (form) {
    case FaultMode::Chunked:
        return Chunked(answer);
    case FaultMode::CloseDelimited:
        return answer.HeadFields() + "Connection: close\r\n\r\n" + answer.body;
    case FaultMode::KeptOpen:
        return answer.HeadFields() + LengthLine(answer) + "\r\nConnection: keep-alive\r\n\r\n" + answer.body;
    case FaultMode::BareLf:
        return BareLf(answer);
    case FaultMode::MixedLf:
        return MixedLf(answer);
    case FaultMode::Http10:
        return Http10(answer);
    case FaultMode::Redirect:
        return Redirect(answer, host);
    case FaultMode::Headless:
        return answer.body;
    case FaultMode::Unmarked401:
        return Unmarked401(answer);
    case FaultMode::UnannouncedClose:
        return answer.HeadFields() + LengthLine(answer) + "\r\n\r\n" + answer.body;
    default:
        return answer.Serialize();
    }
}
