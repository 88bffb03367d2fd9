// A picture holding a button's frames side by side; pixels of the mask
// colour become transparent.
#pragma once

#include "ColorRef.h"

#include <QPixmap>
#include <QSize>
#include <QString>

#include <vector>

class PictureStrip {
public:
    // False when the file cannot be read or is narrower than the frame count.
    bool Load(const QString& path, int frames, ColorRef maskColor);
    bool IsEmpty() const { return frames_.empty(); }
    int FrameCount() const { return static_cast<int>(frames_.size()); }
    QSize FrameSize() const { return frameSize_; }
    const QPixmap& Frame(int index) const;

private:
    std::vector<QPixmap> frames_;
    QSize frameSize_;
};
