#include "CursorFile.h"

#include "ProgramFolder.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

namespace {

int ReadWord(const QByteArray& data, int offset)
{
    return static_cast<unsigned char>(data[offset]) | (static_cast<unsigned char>(data[offset + 1]) << 8);
}

} // namespace

std::optional<QCursor> LoadCursorFile(const QString& path)
{
    QFile file(ResolveProgramPath(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.readAll();
    // Header: reserved, type (2 = cursor), count; then 16-byte entries whose
    // bytes 4..7 hold the hot spot.
    constexpr int kHeader = 6;
    constexpr int kEntry = 16;
    if (data.size() < kHeader + kEntry || ReadWord(data, 0) != 0 || ReadWord(data, 2) != 2 || ReadWord(data, 4) < 1)
        return std::nullopt;
    QImage image;
    if (!image.loadFromData(data, "ICO"))
        return std::nullopt;
    const int hotX = ReadWord(data, kHeader + 4);
    const int hotY = ReadWord(data, kHeader + 6);
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}
