#include "FontConfiguration.h"

#include <fontconfig/fontconfig.h>

void LoadFontConfiguration()
{
    FcInit();
}
