// Time limits of one HTTP exchange with the router.
#pragma once

#include <chrono>

struct HttpTimeouts {
    std::chrono::milliseconds connect{60000}; // resolving the name and opening the connection
    std::chrono::milliseconds send{30000};    // writing the whole request
    std::chrono::milliseconds receive{30000}; // reading the answer, as far as it is read
};
