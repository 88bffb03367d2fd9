#include "ImageEx.h"

#include "SkinPicture.h"

ImageEx::ImageEx(const QString& path)
    : QImage(ReadSkinPicture(path))
{
}
