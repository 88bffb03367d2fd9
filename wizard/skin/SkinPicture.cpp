#include "SkinPicture.h"

#include "ProgramFolder.h"

#include <QFileInfo>
#include <QImageReader>

QImage ReadSkinPicture(const QString& path)
{
    const QString file = ResolveProgramPath(path);
    QImageReader reader(file, QFileInfo(file).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
