#include "PreparedSkin.h"

#include "SkinPicture.h"
#include "SkinRegion.h"

PreparedSkin PrepareSkin(const QString& path, ColorRef keyColor)
{
    PreparedSkin skin;
    skin.plain = ReadSkinPicture(path);
    if (skin.plain.isNull())
        return skin;
    skin.region = RegionFromImage(skin.plain, keyColor);
    skin.keyed = WithKeyTransparent(skin.plain, keyColor);
    return skin;
}
