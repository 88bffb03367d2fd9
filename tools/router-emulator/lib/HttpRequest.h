// One request as the emulator received it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct HttpRequest {
    std::string method;
    std::string target;
    std::string version;
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;

    // The first header of that name (compared without letter case).
    std::optional<std::string> Header(std::string_view name) const;
    // Header names compare without letter case.
    static bool NameEquals(std::string_view a, std::string_view b);
    // The target without its query string.
    std::string Path() const;
};
