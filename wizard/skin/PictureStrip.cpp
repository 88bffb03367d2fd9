#include "PictureStrip.h"

#include "SkinPicture.h"

#include <QImage>

namespace {

QImage WithMaskTransparent(const QImage& source, ColorRef maskColor)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(maskColor).rgb() & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == key)
                row[x] = 0;
        }
    }
    return image;
}

} // namespace

bool PictureStrip::Load(const QString& path, int frames, ColorRef maskColor)
{
    frames_.clear();
    frameSize_ = QSize();
    const QImage source = ReadSkinPicture(path);
    if (source.isNull() || frames < 1 || source.width() < frames)
        return false;
    const QImage image = WithMaskTransparent(source, maskColor);
    frameSize_ = QSize(image.width() / frames, image.height());
    for (int i = 0; i < frames; ++i)
        frames_.push_back(QPixmap::fromImage(image.copy(i * frameSize_.width(), 0, frameSize_.width(), frameSize_.height())));
    return true;
}

const QPixmap& PictureStrip::Frame(int index) const
{
    return frames_.at(static_cast<std::size_t>(index));
}
