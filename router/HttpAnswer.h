// What the router sent back for one request, as far as it was read.
#pragma once

#include <string>

struct HttpAnswer {
    int status = 0;   // 0 when the answer had no readable status line
    std::string body; // at most the first 8192 bytes of the body
};
