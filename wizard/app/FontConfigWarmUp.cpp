#include "FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

FontConfigWarmUp::FontConfigWarmUp()
    : worker_([] { FcInit(); })
{
}

FontConfigWarmUp::~FontConfigWarmUp()
{
    worker_.join();
}
