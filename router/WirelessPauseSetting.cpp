#include "WirelessPauseSetting.h"

#include "CCorvanelibObject.h"

#include <charconv>
#include <cstring>

std::chrono::milliseconds WirelessPauseFromSetting(const char* value)
{
    if (value == nullptr || *value == '\0') {
        return CCorvanelibObject::kWirelessPause;
    }
    const char* end = value + std::strlen(value);
    unsigned int milliseconds = 0;
    const auto [stop, error] = std::from_chars(value, end, milliseconds);
    if (error != std::errc() || stop != end) {
        return CCorvanelibObject::kWirelessPause;
    }
    return std::chrono::milliseconds(milliseconds);
}
