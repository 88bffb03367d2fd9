#include "SkinPicture.h"

#include "ProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>

QImage ReadSkinPicture(const QString& path)
{
    // A missing picture is no picture; the reader would also print a warning,
    // which at start-up lands amid the program's own messages.
    QFile file(ResolveProgramPath(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&file, QFileInfo(file).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QString DensePicturePath(const QString& path, bool dense)
{
    if (!dense)
        return path;
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    if (suffix.isEmpty())
        return path;
    const QString candidate = path.left(path.size() - suffix.size() - 1) + QStringLiteral("@2x.") + suffix;
    return QFileInfo::exists(candidate) ? candidate : path;
}

QImage WithKeyTransparent(QImage source, ColorRef keyColor)
{
    // RGB32 already holds an opaque alpha, so it is taken as it is, in place.
    QImage image = std::move(source);
    if (image.format() != QImage::Format_RGB32 || !image.reinterpretAsFormat(QImage::Format_ARGB32))
        image = std::move(image).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(keyColor).rgb() & 0xFFFFFF;
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if ((row[x] & 0xFFFFFF) == key)
                row[x] = 0;
        }
    }
    return image;
}

bool ScreensAreDense()
{
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0;
}

QImage ReadSkinImage(const QString& path, bool dense)
{
    const QString picked = DensePicturePath(path, dense);
    QImage image = ReadSkinPicture(picked);
    if (picked != path)
        image.setDevicePixelRatio(2.0);
    return image;
}

QImage LoadPaintPicture(QImage plain, const QString& path, ColorRef keyColor, bool dense)
{
    // A broken twin must not leave the window unpainted.
    QImage twin = DensePicturePath(path, dense) == path ? QImage() : ReadSkinImage(path, dense);
    if (twin.isNull())
        return WithKeyTransparent(std::move(plain), keyColor);
    const qreal ratio = twin.devicePixelRatio();
    QImage painted = WithKeyTransparent(std::move(twin), keyColor);
    painted.setDevicePixelRatio(ratio);
    return painted;
}

void DrawPictureSmooth(QPainter& painter, const QRectF& target, const QImage& picture)
{
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    painter.restore();
}
