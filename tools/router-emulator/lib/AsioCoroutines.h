// Boost 1.74's awaitable.hpp uses std::exchange without including <utility>.
#pragma once

#include <utility>

#include <boost/asio.hpp>
