// A loopback server that answers every connection with the same 8 KB page
// and closes it: no parsing and no logic of its own, so that what the
// clients cost is what a benchmark against it measures.
#pragma once

#include <cstdint>
#include <string>
#include <thread>

class PlainPageServer {
public:
    PlainPageServer();
    ~PlainPageServer();
    PlainPageServer(const PlainPageServer&) = delete;
    PlainPageServer& operator=(const PlainPageServer&) = delete;

    std::uint16_t Port() const { return port_; }

private:
    void Serve();
    void Answer(int connection) const;

    int listener_ = -1;
    std::uint16_t port_ = 0;
    std::string answer_;
    std::thread thread_;
};
