#include "BmpPicture.h"

#include "PictureMemory.h"

#include <cstdlib>

namespace {

constexpr std::int64_t kFileHeaderSize = 14;
// The header lengths Qt's reader knows besides the old 12-byte one: the
// plain one, and its fourth and fifth versions.
constexpr std::uint32_t kSmallestInfoSize = 40;
constexpr std::uint32_t kInfoSizeV4 = 108;
constexpr std::uint32_t kInfoSizeV5 = 124;
constexpr std::uint32_t kUncompressed = 0;
// Far beyond any skin; keeps the picture's size inside what QImage takes.
constexpr std::int64_t kLargestSide = 16384;

std::uint32_t Unsigned32(const std::uint8_t* at)
{
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

std::int32_t Signed32(const std::uint8_t* at)
{
    return static_cast<std::int32_t>(Unsigned32(at));
}

std::uint16_t Unsigned16(const std::uint8_t* at)
{
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0;
    int bitsPerPixel = 0;
    bool topDown = false;
    std::int64_t pixelOffset = 0;
    std::int64_t stride = 0;
    std::int32_t dotsPerMeterX = 0;
    std::int32_t dotsPerMeterY = 0;
};

std::optional<Layout> ReadLayout(const std::uint8_t* data, std::int64_t size)
{
    if (size < kFileHeaderSize + kSmallestInfoSize || data[0] != 'B' || data[1] != 'M')
        return std::nullopt;
    const std::uint8_t* info = data + kFileHeaderSize;
    const std::uint32_t infoSize = Unsigned32(info);
    const bool knownInfo = infoSize == kSmallestInfoSize || infoSize == kInfoSizeV4 || infoSize == kInfoSizeV5;
    if (!knownInfo || kFileHeaderSize + infoSize > size)
        return std::nullopt;
    Layout layout;
    layout.width = Signed32(info + 4);
    const std::int64_t height = Signed32(info + 8);
    layout.height = std::abs(height);
    layout.topDown = height < 0;
    layout.bitsPerPixel = Unsigned16(info + 14);
    layout.pixelOffset = Unsigned32(data + 10);
    layout.dotsPerMeterX = Signed32(info + 24);
    layout.dotsPerMeterY = Signed32(info + 28);
    const bool trueColour = layout.bitsPerPixel == 24 || layout.bitsPerPixel == 32;
    if (Unsigned16(info + 12) != 1 || !trueColour || Unsigned32(info + 16) != kUncompressed)
        return std::nullopt;
    // Longer headers may give 32-bit pixels an alpha mask, which Qt's reader honours.
    if (layout.bitsPerPixel == 32 && infoSize != kSmallestInfoSize)
        return std::nullopt;
    if (layout.width < 1 || layout.width > kLargestSide || layout.height < 1 || layout.height > kLargestSide)
        return std::nullopt;
    layout.stride = (layout.width * layout.bitsPerPixel + 31) / 32 * 4;
    if (layout.pixelOffset < kFileHeaderSize + infoSize || layout.pixelOffset + layout.stride * layout.height > size)
        return std::nullopt;
    return layout;
}

void CopyRow(const std::uint8_t* source, QRgb* row, const Layout& layout)
{
    const int step = layout.bitsPerPixel / 8;
    for (std::int64_t x = 0; x < layout.width; ++x, source += step)
        row[x] = qRgb(source[2], source[1], source[0]);
}

} // namespace

std::optional<QImage> DecodeTrueColourBmp(const std::uint8_t* data, std::int64_t size)
{
    const std::optional<Layout> layout = ReadLayout(data, size);
    if (!layout)
        return std::nullopt;
    QImage image =
        AllocateLargePicture(static_cast<int>(layout->width), static_cast<int>(layout->height), QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    for (std::int64_t y = 0; y < layout->height; ++y) {
        const std::int64_t stored = layout->topDown ? y : layout->height - 1 - y;
        CopyRow(data + layout->pixelOffset + stored * layout->stride,
                reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y))), *layout);
    }
    if (layout->dotsPerMeterX > 0)
        image.setDotsPerMeterX(layout->dotsPerMeterX);
    if (layout->dotsPerMeterY > 0)
        image.setDotsPerMeterY(layout->dotsPerMeterY);
    return image;
}
