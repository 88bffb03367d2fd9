#include "PictureFiles.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace {

constexpr int kPixelsPerMetre = 3780;  // 96 DPI
constexpr int kInfoHeaderSize = 40;

void Put16(QByteArray& out, int value) {
    const quint16 le = qToLittleEndian(static_cast<quint16>(value));
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void Put32(QByteArray& out, qint64 value) {
    const quint32 le = qToLittleEndian(static_cast<quint32>(value));
    out.append(reinterpret_cast<const char*>(&le), 4);
}

// BITMAPINFOHEADER; icons and cursors store twice the height (colour + mask).
void PutInfoHeader(QByteArray& out, int width, int height, int bitCount, int imageSize) {
    Put32(out, kInfoHeaderSize);
    Put32(out, width);
    Put32(out, height);
    Put16(out, 1);
    Put16(out, bitCount);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 0);
    Put32(out, 0);
}

bool WriteFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

QByteArray Pixels24(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = (rgb.width() * 3 + 3) / 4 * 4;
    QByteArray out;
    out.reserve(rowBytes * rgb.height());
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            out.append(static_cast<char>(qBlue(row[x])));
            out.append(static_cast<char>(qGreen(row[x])));
            out.append(static_cast<char>(qRed(row[x])));
        }
        out.append(QByteArray(rowBytes - rgb.width() * 3, '\0'));
    }
    return out;
}

// Colour rows (BGRA) followed by the AND mask rows, both bottom-up.
QByteArray IconDib(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width();
    const int h = argb.height();
    const int maskRowBytes = (w + 31) / 32 * 4;
    QByteArray colour;
    QByteArray mask;
    for (int y = h - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        QByteArray maskRow(maskRowBytes, '\0');
        for (int x = 0; x < w; ++x) {
            Put32(colour, static_cast<qint64>(row[x]));
            if (qAlpha(row[x]) == 0) {
                maskRow[x / 8] = static_cast<char>(maskRow[x / 8] | (0x80 >> (x % 8)));
            }
        }
        mask.append(maskRow);
    }
    QByteArray out;
    PutInfoHeader(out, w, h * 2, 32, static_cast<int>(colour.size() + mask.size()));
    return out + colour + mask;
}

QByteArray Png(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return data;
}

struct IconEntry {
    QImage image;
    QByteArray data;
    int planesOrHotX;
    int bitsOrHotY;
};

QByteArray IconContainer(int type, const QList<IconEntry>& entries) {
    QByteArray out;
    Put16(out, 0);
    Put16(out, type);
    Put16(out, static_cast<int>(entries.size()));
    qint64 offset = 6 + 16 * entries.size();
    for (const IconEntry& e : entries) {
        out.append(static_cast<char>(e.image.width() >= 256 ? 0 : e.image.width()));
        out.append(static_cast<char>(e.image.height() >= 256 ? 0 : e.image.height()));
        out.append('\0');
        out.append('\0');
        Put16(out, e.planesOrHotX);
        Put16(out, e.bitsOrHotY);
        Put32(out, e.data.size());
        Put32(out, offset);
        offset += e.data.size();
    }
    for (const IconEntry& e : entries) {
        out.append(e.data);
    }
    return out;
}

}  // namespace

bool WriteBmp24(const QImage& image, const QString& path) {
    const QByteArray pixels = Pixels24(image);
    constexpr int kHeaders = 14 + kInfoHeaderSize;
    QByteArray out("BM");
    Put32(out, kHeaders + pixels.size());
    Put32(out, 0);
    Put32(out, kHeaders);
    PutInfoHeader(out, image.width(), image.height(), 24, static_cast<int>(pixels.size()));
    return WriteFile(path, out + pixels);
}

bool WriteIco(const QList<QImage>& images, const QString& path) {
    QList<IconEntry> entries;
    for (const QImage& image : images) {
        const QByteArray data = image.width() >= 256 ? Png(image) : IconDib(image);
        entries.append({image, data, 1, 32});
    }
    return WriteFile(path, IconContainer(1, entries));
}

bool WriteCur(const QImage& image, QPoint hotSpot, const QString& path) {
    return WriteFile(path, IconContainer(2, {{image, IconDib(image), hotSpot.x(), hotSpot.y()}}));
}
