#include "HttpHead.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace {

constexpr std::string_view kVersionPrefix = "HTTP/";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

int HexDigitValue(char c)
{
    if (IsDigit(c)) {
        return c - '0';
    }
    const int lower = std::tolower(static_cast<unsigned char>(c));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

} // namespace

std::optional<int> HttpHead::ParseStatusLine(std::string_view line)
{
    line = TrimBlanks(line);
    // "HTTP/" digit "." digit, at least one blank, three digits, then the end or a blank.
    constexpr std::size_t kCodeStart = kVersionPrefix.size() + 4;
    if (line.size() < kCodeStart + 3 || !line.starts_with(kVersionPrefix)) {
        return std::nullopt;
    }
    const std::string_view version = line.substr(kVersionPrefix.size(), 3);
    if (!IsDigit(version[0]) || version[1] != '.' || !IsDigit(version[2]) || line[kCodeStart - 1] != ' ') {
        return std::nullopt;
    }
    std::string_view rest = TrimBlanks(line.substr(kCodeStart));
    if (rest.size() < 3 || !std::all_of(rest.begin(), rest.begin() + 3, IsDigit)) {
        return std::nullopt;
    }
    if (rest.size() > 3 && rest[3] != ' ') {
        return std::nullopt;
    }
    return (rest[0] - '0') * 100 + (rest[1] - '0') * 10 + (rest[2] - '0');
}

bool HttpHead::CouldStartStatusLine(std::string_view bytes)
{
    const std::size_t n = std::min(bytes.size(), kVersionPrefix.size());
    return bytes.substr(0, n) == kVersionPrefix.substr(0, n);
}

std::optional<std::size_t> HttpHead::FindHeadEnd(std::string_view bytes)
{
    const std::size_t crlf = bytes.find("\n\r\n");
    const std::size_t lf = bytes.find("\n\n");
    if (crlf == std::string_view::npos && lf == std::string_view::npos) {
        return std::nullopt;
    }
    if (lf == std::string_view::npos || (crlf != std::string_view::npos && crlf < lf)) {
        return crlf + 3;
    }
    return lf + 2;
}

std::optional<std::string_view> HttpHead::FieldValue(std::string_view head, std::string_view name)
{
    std::size_t lineStart = head.find('\n');
    while (lineStart != std::string_view::npos && lineStart + 1 < head.size()) {
        const std::size_t lineEnd = head.find('\n', lineStart + 1);
        const std::string_view line = head.substr(lineStart + 1, lineEnd - lineStart - 1);
        const std::size_t colon = line.find(':');
        if (colon != std::string_view::npos && EqualsNoCase(TrimBlanks(line.substr(0, colon)), name)) {
            return TrimBlanks(line.substr(colon + 1));
        }
        lineStart = lineEnd;
    }
    return std::nullopt;
}

std::optional<std::size_t> HttpHead::ParseLength(std::string_view value)
{
    if (value.empty() || !std::all_of(value.begin(), value.end(), IsDigit)) {
        return std::nullopt;
    }
    std::size_t length = 0;
    for (const char c : value) {
        const auto digit = static_cast<std::size_t>(c - '0');
        if (length > (std::numeric_limits<std::size_t>::max() - digit) / 10) {
            return std::nullopt;
        }
        length = length * 10 + digit;
    }
    return length;
}

std::optional<std::size_t> HttpHead::ParseChunkSize(std::string_view line)
{
    line = TrimBlanks(line.substr(0, line.find(';')));
    if (line.empty()) {
        return std::nullopt;
    }
    std::size_t size = 0;
    for (const char c : line) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || size > (std::numeric_limits<std::size_t>::max() >> 4)) {
            return std::nullopt;
        }
        size = (size << 4) | static_cast<std::size_t>(digit);
    }
    return size;
}

bool HttpHead::ContainsNoCase(std::string_view text, std::string_view word)
{
    const auto found = std::search(text.begin(), text.end(), word.begin(), word.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
    return found != text.end() || word.empty();
}
