#include "ImageEx.h"

#include "ProgramFolder.h"

ImageEx::ImageEx(const QString& path)
    : QImage(ResolveProgramPath(path))
{
}
