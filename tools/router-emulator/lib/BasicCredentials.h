// HTTP Basic authentication as the router checks it.
#pragma once

#include <string>
#include <string_view>

class BasicCredentials {
public:
    BasicCredentials(std::string userName, std::string password);

    // Whether an Authorization header value carries these credentials.
    bool Accepts(std::string_view authorization) const;
    static std::string Base64(std::string_view bytes);

private:
    std::string expected_;
};
