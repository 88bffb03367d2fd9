// The skins' own BMP reader must read what Qt's reader reads, pixel for
// pixel, and leave every layout it does not know to Qt's reader.
#include "BmpPicture.h"
#include "SkinPicture.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

struct Shape {
    int width;
    int height;
    int bits;
    bool topDown;
    quint32 infoSize;
};

QRgb ColourAt(int x, int y)
{
    return qRgb((x * 37 + y * 11) & 0xFF, (x * 5 + y * 73) & 0xFF, (x * y + 19) & 0xFF);
}

void Put32(QByteArray& bytes, int at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

void Put16(QByteArray& bytes, int at, quint16 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

// An uncompressed BMP file of the shape, its pixels from ColourAt; the
// fourth byte of 32-bit pixels is set, as some writers do.
QByteArray BmpBytes(const Shape& shape)
{
    const int stride = (shape.width * shape.bits + 31) / 32 * 4;
    const int offset = 14 + static_cast<int>(shape.infoSize);
    QByteArray bytes(offset + stride * shape.height, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, static_cast<quint32>(bytes.size()));
    Put32(bytes, 10, static_cast<quint32>(offset));
    Put32(bytes, 14, shape.infoSize);
    Put32(bytes, 18, static_cast<quint32>(shape.width));
    Put32(bytes, 22, static_cast<quint32>(shape.topDown ? -shape.height : shape.height));
    Put16(bytes, 26, 1);
    Put16(bytes, 28, static_cast<quint16>(shape.bits));
    Put32(bytes, 34, static_cast<quint32>(stride * shape.height));
    for (int y = 0; y < shape.height; ++y) {
        const int stored = shape.topDown ? y : shape.height - 1 - y;
        for (int x = 0; x < shape.width; ++x) {
            const QRgb colour = ColourAt(x, y);
            const int at = offset + stored * stride + x * shape.bits / 8;
            bytes[at] = static_cast<char>(qBlue(colour));
            bytes[at + 1] = static_cast<char>(qGreen(colour));
            bytes[at + 2] = static_cast<char>(qRed(colour));
            if (shape.bits == 32)
                bytes[at + 3] = static_cast<char>(0x80);
        }
    }
    return bytes;
}

std::optional<QImage> Decode(const QByteArray& bytes)
{
    return DecodeTrueColourBmp(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size());
}

TEST(BmpPicture, ReadsTrueColourFilesAsQtsReaderDoes)
{
    const Shape shapes[] = {
        {1, 1, 24, false, 40},  {3, 2, 24, false, 40}, {5, 3, 24, true, 40},   {4, 4, 32, false, 40},
        {3, 5, 32, true, 40},   {7, 2, 24, false, 108}, {6, 3, 24, false, 124}, {700, 500, 24, false, 40},
    };
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(testing::Message() << shape.width << "x" << shape.height << " " << shape.bits << " bits, "
                                        << (shape.topDown ? "top-down" : "bottom-up") << ", header "
                                        << shape.infoSize);
        const QByteArray bytes = BmpBytes(shape);
        const std::optional<QImage> ours = Decode(bytes);
        ASSERT_TRUE(ours.has_value());
        const QImage qts = QImage::fromData(bytes, "BMP");
        ASSERT_FALSE(qts.isNull());
        EXPECT_EQ(ours->format(), qts.format());
        EXPECT_EQ(*ours, qts);
        EXPECT_EQ(ours->pixel(shape.width - 1, shape.height - 1), ColourAt(shape.width - 1, shape.height - 1));
    }
}

TEST(BmpPicture, LeavesEveryOtherLayoutToQtsReader)
{
    const QByteArray valid = BmpBytes({4, 3, 24, false, 40});
    const struct {
        const char* what;
        std::function<void(QByteArray&)> change;
    } cases[] = {
        {"another magic", [](QByteArray& b) { b[1] = 'A'; }},
        {"an OS/2 header", [](QByteArray& b) { Put32(b, 14, 12); }},
        {"a header of no known length", [](QByteArray& b) { Put32(b, 14, 50); }},
        {"a header longer than the file", [](QByteArray& b) { b = BmpBytes({4, 3, 24, false, 124}).left(100); }},
        {"no plane", [](QByteArray& b) { Put16(b, 26, 0); }},
        {"a palette", [](QByteArray& b) { Put16(b, 28, 8); }},
        {"16 bits", [](QByteArray& b) { Put16(b, 28, 16); }},
        {"run-length coding", [](QByteArray& b) { Put32(b, 30, 1); }},
        {"bit fields", [](QByteArray& b) { Put32(b, 30, 3); }},
        {"no width", [](QByteArray& b) { Put32(b, 18, 0); }},
        {"a negative width", [](QByteArray& b) { Put32(b, 18, static_cast<quint32>(-4)); }},
        {"no height", [](QByteArray& b) { Put32(b, 22, 0); }},
        {"the smallest height", [](QByteArray& b) { Put32(b, 22, 0x80000000U); }},
        {"a width beyond any skin", [](QByteArray& b) { Put32(b, 18, 100000); }},
        {"pixels inside the header", [](QByteArray& b) { Put32(b, 10, 20); }},
        {"pixels past the end", [](QByteArray& b) { Put32(b, 10, 0xFFFFFFF0U); }},
        {"one byte short", [](QByteArray& b) { b.chop(1); }},
        {"only a file header", [](QByteArray& b) { b.truncate(20); }},
        {"32 bits under a long header, which may carry alpha",
         [](QByteArray& b) { b = BmpBytes({4, 3, 32, false, 124}); }},
    };
    ASSERT_TRUE(Decode(valid).has_value());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray bytes = valid;
        c.change(bytes);
        EXPECT_FALSE(Decode(bytes).has_value());
    }
}

TEST(BmpPicture, ShippedPicturesAreReadWithoutQtsReadersOnlyWhenTheSkinReaderKnowsThem)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage palette(5, 3, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(200, 10, 10), qRgb(10, 10, 200)});
    palette.fill(1);
    const QImage colours = QImage::fromData(BmpBytes({6, 4, 24, false, 40}), "BMP");
    const struct {
        const char* name;
        QImage picture;
        const char* writtenAs;
        bool readWithoutPlugins;
    } cases[] = {
        {"true.bmp", colours, "BMP", true},
        {"Upper.BMP", colours, "BMP", true},
        {"palette.bmp", palette, "BMP", false},
        {"picture.png", colours, "PNG", false},
        {"icon.ico", colours, "ICO", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = folder.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(c.picture.save(file, c.writtenAs));
        const std::optional<QImage> direct = ReadSkinPictureWithoutPlugins(file);
        EXPECT_EQ(direct.has_value(), c.readWithoutPlugins);
        const QImage read = ReadSkinPicture(file);
        EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), c.picture.convertToFormat(QImage::Format_RGB32));
        if (direct) {
            EXPECT_EQ(*direct, read);
        }
    }
    const std::optional<QImage> missing = ReadSkinPictureWithoutPlugins(folder.filePath(QStringLiteral("gone.bmp")));
    ASSERT_TRUE(missing.has_value()) << "a missing picture needs no reader to be no picture";
    EXPECT_TRUE(missing->isNull());
}

TEST(BmpPicture, KeyColourIsCutInPlaceOnlyFromAPictureHeldNowhereElse)
{
    const QRgb key = qRgb(255, 0, 255);
    for (const bool shared : {false, true}) {
        SCOPED_TRACE(shared ? "shared" : "held once");
        QImage picture = *Decode(BmpBytes({700, 500, 24, false, 40}));
        picture.setPixel(3, 4, key);
        const QImage keep = shared ? picture : QImage();
        const uchar* pixels = picture.constBits();
        const QImage cut = WithKeyTransparent(std::move(picture), MakeColorRef(255, 0, 255));
        EXPECT_EQ(cut.format(), QImage::Format_ARGB32);
        EXPECT_EQ(cut.pixel(3, 4), 0U);
        EXPECT_EQ(cut.pixel(5, 4), ColourAt(5, 4));
        EXPECT_EQ(cut.constBits() == pixels, !shared);
        if (shared) {
            EXPECT_EQ(keep.pixel(3, 4), key) << "the other holder's picture must not change";
        }
    }
}

} // namespace
