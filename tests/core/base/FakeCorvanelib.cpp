// Stands in for the router library: counts the objects it hands out and
// takes back, so the binding test sees LoadObj and FreeObj called in pairs.
#include "CDLLObject.h"

namespace {
int liveObjects = 0;
int token = 0;
} // namespace

extern "C" {

__attribute__((visibility("default"))) int LoadObj(CDLLObject** object)
{
    ++liveObjects;
    *object = reinterpret_cast<CDLLObject*>(&token);
    return 1;
}

__attribute__((visibility("default"))) int FreeObj(CDLLObject* object)
{
    if (object == reinterpret_cast<CDLLObject*>(&token))
        --liveObjects;
    return 1;
}

__attribute__((visibility("default"))) int LiveObjects()
{
    return liveObjects;
}
}
