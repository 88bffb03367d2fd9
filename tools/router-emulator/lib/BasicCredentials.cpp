#include "BasicCredentials.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

} // namespace

BasicCredentials::BasicCredentials(std::string userName, std::string password)
    : expected_(Base64(userName + ":" + password))
{
}

bool BasicCredentials::Accepts(std::string_view authorization) const
{
    constexpr std::string_view kScheme = "Basic ";
    if (authorization.substr(0, kScheme.size()) != kScheme) {
        return false;
    }
    authorization.remove_prefix(kScheme.size());
    while (!authorization.empty() && authorization.front() == ' ') {
        authorization.remove_prefix(1);
    }
    return authorization == expected_;
}

std::string BasicCredentials::Base64(std::string_view bytes)
{
    std::string encoded;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            const auto byte = k < count ? static_cast<unsigned char>(bytes[i + k]) : 0U;
            group = (group << 8) | byte;
        }
        for (std::size_t k = 0; k < 4; ++k) {
            encoded += k <= count ? kAlphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
        }
    }
    return encoded;
}
