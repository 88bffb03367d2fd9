#include "PreparedSkin.h"

#include "SkinPicture.h"
#include "SkinRegion.h"

PreparedSkin CutSkin(QImage plain, ColorRef keyColor)
{
    PreparedSkin skin;
    if (plain.isNull())
        return skin;
    skin.region = RegionFromImage(plain, keyColor);
    skin.picture = WithKeyTransparent(std::move(plain), keyColor);
    return skin;
}

PreparedSkin PrepareSkin(const QString& path, ColorRef keyColor)
{
    return CutSkin(ReadSkinPicture(path), keyColor);
}
