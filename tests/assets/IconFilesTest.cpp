// logo.ico and the two check-box cursors, read from their directories.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

namespace {

struct IconEntry {
    int width;
    int height;
    int hotX;  // planes in an icon
    int hotY;  // bit count in an icon
    QByteArray data;
};

struct IconFile {
    int type = 0;
    std::vector<IconEntry> entries;
};

// Bytes past the end read as 0: the callers check sizes first, and this keeps
// the optimiser from doubting it.
quint32 LittleEndian(const QByteArray& d, qsizetype at, int bytes) {
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value <<= 8;
        if (at + i < d.size()) {
            value |= static_cast<unsigned char>(d.at(at + i));
        }
    }
    return value;
}
int Le16(const QByteArray& d, qsizetype at) { return static_cast<int>(LittleEndian(d, at, 2)); }
qint64 Le32(const QByteArray& d, qsizetype at) { return LittleEndian(d, at, 4); }

IconFile ReadIconFile(const char* name) {
    QFile file(QStringLiteral(CORVANE_PROGRAM_DIR "/Skin/") + QLatin1String(name));
    IconFile icon;
    const QByteArray d = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (d.size() < 6 || Le16(d, 0) != 0) {
        return icon;
    }
    icon.type = Le16(d, 2);
    for (int i = 0; i < Le16(d, 4) && 6 + 16 * (i + 1) <= d.size(); ++i) {
        const qsizetype at = 6 + 16 * i;
        const qint64 size = Le32(d, at + 8);
        const qint64 offset = Le32(d, at + 12);
        const int w = static_cast<unsigned char>(d[at]);
        const int h = static_cast<unsigned char>(d[at + 1]);
        icon.entries.push_back({w == 0 ? 256 : w, h == 0 ? 256 : h, Le16(d, at + 4), Le16(d, at + 6),
                                offset + size <= d.size() ? d.mid(offset, size) : QByteArray()});
    }
    return icon;
}

// A 32-bit bitmap with its mask: header, w*h*4 colour bytes, h mask rows.
bool IsDibOfSize(const QByteArray& dib, int w, int h) {
    const qint64 maskBytes = static_cast<qint64>((w + 31) / 32 * 4) * h;
    return dib.size() == 40 + static_cast<qint64>(w) * h * 4 + maskBytes && Le32(dib, 4) == w &&
           Le32(dib, 8) == 2 * h && Le16(dib, 14) == 32;
}

}  // namespace

TEST(assets_IconFiles, LogoHoldsFourSizesEachDecodable) {
    const IconFile logo = ReadIconFile("logo.ico");
    EXPECT_EQ(logo.type, 1);
    ASSERT_EQ(logo.entries.size(), 4u);
    const int sizes[] = {16, 32, 48, 256};
    for (std::size_t i = 0; i < 4; ++i) {
        const IconEntry& e = logo.entries[i];
        EXPECT_EQ(e.width, sizes[i]);
        EXPECT_EQ(e.height, sizes[i]);
        if (e.width == 256) {
            EXPECT_EQ(QImage::fromData(e.data, "PNG").size(), QSize(256, 256));
        } else {
            EXPECT_TRUE(IsDibOfSize(e.data, e.width, e.height)) << e.width;
        }
    }
}

TEST(assets_IconFiles, CursorsAre32PixelsWithTheHotSpotInside) {
    for (const char* name : {"RadioCheck.cur", "RadioUnCheck.cur"}) {
        const IconFile cursor = ReadIconFile(name);
        EXPECT_EQ(cursor.type, 2) << name;
        ASSERT_EQ(cursor.entries.size(), 1u) << name;
        const IconEntry& e = cursor.entries[0];
        EXPECT_EQ(QSize(e.width, e.height), QSize(32, 32)) << name;
        EXPECT_TRUE(IsDibOfSize(e.data, 32, 32)) << name;
        EXPECT_LT(e.hotX, 32) << name;
        EXPECT_LT(e.hotY, 32) << name;
    }
    EXPECT_NE(ReadIconFile("RadioCheck.cur").entries[0].data, ReadIconFile("RadioUnCheck.cur").entries[0].data);
}
