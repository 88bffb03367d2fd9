#include "SkinRegion.h"

#include <algorithm>
#include <vector>

namespace {

// Rectangles are handed over in batches, row by row and left to right,
// which is the banded order QRegion::setRects takes without sorting.
constexpr std::size_t kBatch = 2000;

void Flush(std::vector<QRect>& runs, QRegion& result)
{
    if (runs.empty())
        return;
    QRegion batch;
    batch.setRects(runs.data(), static_cast<int>(runs.size()));
    result = result.united(batch);
    runs.clear();
}

} // namespace

QRegion RegionFromImage(const QImage& image, ColorRef keyColor)
{
    QRegion result;
    if (image.isNull())
        return result;
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const QRgb key = ToQColor(keyColor).rgb() & 0xFFFFFF;
    std::vector<QRect> runs;
    runs.reserve(kBatch);
    const int width = pixels.width();
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        int x = 0;
        while (x < width) {
            while (x < width && (row[x] & 0xFFFFFF) == key)
                ++x;
            const int start = x;
            while (x < width && (row[x] & 0xFFFFFF) != key)
                ++x;
            if (x > start)
                runs.emplace_back(start, y, x - start, 1);
            if (runs.size() == kBatch)
                Flush(runs, result);
        }
    }
    Flush(runs, result);
    return result;
}

QRegion RoundedRectRegion(QSize size, int ellipse)
{
    if (size.isEmpty())
        return {};
    const int w = size.width();
    const int h = size.height();
    const int e = std::min({ellipse, w, h});
    const int r = e / 2;
    // Two crossing bands and a corner ellipse in each corner.
    QRegion region(r, 0, w - 2 * r, h);
    region += QRegion(0, r, w, h - 2 * r);
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - e, 0), QPoint(0, h - e), QPoint(w - e, h - e)})
        region += QRegion(corner.x(), corner.y(), e, e, QRegion::Ellipse);
    return region;
}
