// Feeds arbitrary bytes to the skins' BMP reader. Whatever it reads, Qt's
// reader must read the same, pixel for pixel; what it leaves goes to Qt's.
#include "BmpPicture.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<QImage> ours = DecodeTrueColourBmp(data, static_cast<std::int64_t>(size));
    if (!ours)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (*ours != QImage::fromData(bytes, "BMP"))
        std::abort();
    return 0;
}
