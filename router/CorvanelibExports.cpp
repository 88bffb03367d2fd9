// The library's only exports, with plain C names.
#include "CCorvanelibObject.h"
#include "CDLLObject.h"
#include "WirelessPauseSetting.h"

#include <cstdlib>

#define CORVANELIB_EXPORT __attribute__((visibility("default")))

extern "C" {

CORVANELIB_EXPORT int LoadObj(CDLLObject** object)
{
    if (object == nullptr) {
        return 0;
    }
    // The test suite and the demo shorten the wireless pause through the
    // environment; the router itself needs the full 2000 ms.
    const auto pause = WirelessPauseFromSetting(std::getenv("CORVANELIB_WIRELESS_PAUSE_MS"));
    try {
        *object = new CCorvanelibObject(HttpTimeouts{}, CCorvanelibObject::SleepFor, pause);
        return 1;
    } catch (...) {
        return 0;
    }
}

CORVANELIB_EXPORT int FreeObj(CDLLObject* object)
{
    delete static_cast<CCorvanelibObject*>(object);
    return 1;
}

} // extern "C"
