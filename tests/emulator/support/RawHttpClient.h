// A bare TCP client for looking at exactly what the emulator sends, with a
// time limit on every step so that no test can hang.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct RawExchange {
    bool connected = false;
    std::string received;
    int lastError = 0;      // errno of the call that ended the exchange, 0 for a normal end
    std::size_t reads = 0;  // receive calls that delivered bytes
};

class RawHttpClient {
public:
    explicit RawHttpClient(std::uint16_t port, std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));

    // Connects, sends `request` and reads until the peer closes, fails or goes quiet.
    RawExchange Exchange(std::string_view request) const;

    // A request with the emulator's default credentials unless others are given.
    static std::string Request(std::string_view method, std::string_view path, std::string_view body = {},
                               std::string_view credentials = "admin:qzmvx");
    // The body of an answer, after its head.
    static std::string BodyOf(const std::string& answer);

private:
    std::uint16_t port_;
    std::chrono::milliseconds timeout_;
};
