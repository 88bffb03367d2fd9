// The skin pictures are read by the format their names give.
#include "SkinPicture.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(SkinPicture, ReadsEachShippedFormatByItsName)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    const struct {
        const char* name;
        const char* writtenAs;
    } cases[] = {{"a.bmp", "BMP"}, {"b.png", "PNG"}, {"c.ico", "ICO"}, {"D.BMP", "BMP"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = folder.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(picture.save(file, c.writtenAs));
        const QImage read = ReadSkinPicture(file);
        ASSERT_EQ(read.size(), picture.size());
        EXPECT_EQ(read.pixel(5, 3), picture.pixel(5, 3));
    }
    EXPECT_TRUE(ReadSkinPicture(folder.filePath(QStringLiteral("missing.bmp"))).isNull());
}

} // namespace
