#include "HttpRequest.h"

#include <algorithm>
#include <cctype>

bool HttpRequest::NameEquals(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<std::string> HttpRequest::Header(std::string_view name) const
{
    for (const auto& [key, value] : headers) {
        if (NameEquals(key, name)) {
            return value;
        }
    }
    return std::nullopt;
}

std::string HttpRequest::Path() const
{
    return target.substr(0, target.find('?'));
}
