#include "PictureStrip.h"

#include "SkinPicture.h"

#include <QImage>

bool PictureStrip::Load(const QString& path, int frames, ColorRef maskColor)
{
    frames_.clear();
    frameSize_ = QSize();
    const QImage source = ReadSkinPicture(path);
    if (source.isNull() || frames < 1 || source.width() < frames)
        return false;
    const QImage image = WithKeyTransparent(source, maskColor);
    frameSize_ = QSize(image.width() / frames, image.height());
    for (int i = 0; i < frames; ++i)
        frames_.push_back(QPixmap::fromImage(image.copy(i * frameSize_.width(), 0, frameSize_.width(), frameSize_.height())));
    return true;
}

const QPixmap& PictureStrip::Frame(int index) const
{
    return frames_.at(static_cast<std::size_t>(index));
}
