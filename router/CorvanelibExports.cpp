// The library's only exports, with plain C names.
#include "CCorvanelibObject.h"
#include "CDLLObject.h"

#define CORVANELIB_EXPORT __attribute__((visibility("default")))

extern "C" {

CORVANELIB_EXPORT int LoadObj(CDLLObject** object)
{
    if (object == nullptr) {
        return 0;
    }
    try {
        *object = new CCorvanelibObject();
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
