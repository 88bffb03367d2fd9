#include "RequestHeadParser.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsToken(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return c > ' ' && c < 127 && c != ':';
    });
}

} // namespace

std::optional<HttpRequest> RequestHeadParser::Parse(std::string_view head)
{
    HttpRequest request;
    const auto lineEnd = head.find(kLineEnd);
    if (lineEnd == std::string_view::npos || !ParseRequestLine(head.substr(0, lineEnd), request)) {
        return std::nullopt;
    }
    head.remove_prefix(lineEnd + kLineEnd.size());
    while (!head.empty()) {
        const auto end = head.find(kLineEnd);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view line = head.substr(0, end);
        head.remove_prefix(end + kLineEnd.size());
        if (line.empty()) {
            return head.empty() ? std::optional(request) : std::nullopt;
        }
        if (!ParseHeaderLine(line, request)) {
            return std::nullopt;
        }
    }
    return std::nullopt; // no empty line closed the head
}

std::optional<std::size_t> RequestHeadParser::ContentLength(const HttpRequest& request)
{
    std::optional<std::size_t> length;
    for (const auto& [name, value] : request.headers) {
        if (!HttpRequest::NameEquals(name, "Content-Length")) {
            continue;
        }
        std::size_t parsed = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), parsed);
        if (error != std::errc{} || end != value.data() + value.size() || (length && *length != parsed)) {
            return std::nullopt;
        }
        length = parsed;
    }
    return length.value_or(0);
}

bool RequestHeadParser::ParseRequestLine(std::string_view line, HttpRequest& request)
{
    const auto firstBlank = line.find(' ');
    const auto lastBlank = line.rfind(' ');
    if (firstBlank == std::string_view::npos || firstBlank == lastBlank) {
        return false;
    }
    request.method = line.substr(0, firstBlank);
    request.target = line.substr(firstBlank + 1, lastBlank - firstBlank - 1);
    request.version = line.substr(lastBlank + 1);
    return IsToken(request.method) && !request.target.empty() && request.target.front() == '/' &&
           request.target.find(' ') == std::string::npos && request.version.rfind("HTTP/1.", 0) == 0;
}

bool RequestHeadParser::ParseHeaderLine(std::string_view line, HttpRequest& request)
{
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || !IsToken(line.substr(0, colon))) {
        return false;
    }
    request.headers.emplace_back(line.substr(0, colon), Trim(line.substr(colon + 1)));
    return true;
}
