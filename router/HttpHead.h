// Parsing of an HTTP answer's status line and header fields.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

class HttpHead {
public:
    // Status code of a line such as "HTTP/1.1 200 OK"; nothing when the line is not one.
    static std::optional<int> ParseStatusLine(std::string_view line);
    // Whether `bytes` can still be the beginning of a status line.
    static bool CouldStartStatusLine(std::string_view bytes);
    // Offset just past the empty line that ends the head, or nothing yet.
    static std::optional<std::size_t> FindHeadEnd(std::string_view bytes);
    // Value of the first header field of that name (case-insensitive), trimmed.
    static std::optional<std::string_view> FieldValue(std::string_view head, std::string_view name);
    // A decimal Content-Length value; nothing when it is not a plain number.
    static std::optional<std::size_t> ParseLength(std::string_view value);
    // A chunk-size line's hexadecimal size, extensions ignored.
    static std::optional<std::size_t> ParseChunkSize(std::string_view line);
    static bool ContainsNoCase(std::string_view text, std::string_view word);
};
