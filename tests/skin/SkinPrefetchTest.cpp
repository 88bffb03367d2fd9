// Skins read ahead on a worker thread reach the dialogs that name them, and
// only those: anything else, or anything asked after the prefetch ended, is
// read when asked.
#include "PreparedSkin.h"
#include "SkinFolder.h"
#include "SkinPrefetch.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kKey = qRgb(255, 255, 0);

// A blue square with a key-coloured corner.
QImage Cornered()
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(qRgb(30, 60, 120));
    QPainter(&image).fillRect(0, 0, 5, 5, QColor(kKey));
    return image;
}

class SkinPrefetchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        skin.WriteImage(QStringLiteral("Skin/frame.bmp"), Cornered());
        skin.WriteImage(QStringLiteral("Skin/page.bmp"), Cornered());
    }

    // Two takes that share one picture came from the prefetch; a skin read
    // on each take is a new picture every time.
    static bool TakenFromPrefetch(const QString& path, ColorRef key)
    {
        return SkinPrefetch::Take(path, key).picture.cacheKey() == SkinPrefetch::Take(path, key).picture.cacheKey();
    }

    SkinFolder skin;
};

TEST_F(SkinPrefetchTest, OnlyTheNamedSkinsInTheirKeyComeFromThePrefetch)
{
    const QString frame = skin.Path(QStringLiteral("Skin/frame.bmp"));
    const QString page = skin.Path(QStringLiteral("Skin/page.bmp"));
    const SkinPrefetch prefetch({{frame, true}}, kSkinKeyColor);
    const struct {
        QString path;
        ColorRef key;
        bool fromPrefetch;
    } cases[] = {
        {frame, kSkinKeyColor, true},
        {page, kSkinKeyColor, false},
        {frame, MakeColorRef(0, 0, 0), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString() + " key " + std::to_string(c.key));
        EXPECT_EQ(TakenFromPrefetch(c.path, c.key), c.fromPrefetch);
        EXPECT_EQ(SkinPrefetch::Take(c.path, c.key).picture.size(), QSize(20, 10));
    }
}

TEST_F(SkinPrefetchTest, PicturesComeFromThePrefetchByTheNameDialogsGive)
{
    const QString frame = skin.Path(QStringLiteral("Skin/frame.bmp"));
    const QString page = skin.Path(QStringLiteral("Skin/page.bmp"));
    const SkinPrefetch prefetch({{frame, true}, {page, false}}, kSkinKeyColor);
    const auto fromPrefetch = [](const QString& path) {
        return SkinPrefetch::TakePicture(path).cacheKey() == SkinPrefetch::TakePicture(path).cacheKey();
    };
    EXPECT_TRUE(fromPrefetch(page));
    // Windows separators, as dialogs write program-folder paths.
    EXPECT_TRUE(fromPrefetch(QString(page).replace(u'/', u'\\')));
    EXPECT_FALSE(fromPrefetch(frame)) << "a skin is not a picture";
    EXPECT_FALSE(TakenFromPrefetch(page, kSkinKeyColor)) << "a picture is not a skin";
    EXPECT_EQ(SkinPrefetch::TakePicture(page).size(), QSize(20, 10));
}

// Qt's picture readers need the application object, which the prefetch may
// start before; without it they never run, and the prefetch still ends.
TEST_F(SkinPrefetchTest, PicturesOnlyQtCanReadWaitForTheApplication)
{
    skin.WriteImage(QStringLiteral("Skin/logo.png"), Cornered());
    const QString logo = skin.Path(QStringLiteral("Skin/logo.png"));
    {
        const SkinPrefetch unready({{logo, false}}, kSkinKeyColor);
    }
    SkinPrefetch prefetch({{logo, false}}, kSkinKeyColor);
    prefetch.ApplicationReady();
    EXPECT_EQ(SkinPrefetch::TakePicture(logo).cacheKey(), SkinPrefetch::TakePicture(logo).cacheKey());
    EXPECT_EQ(SkinPrefetch::TakePicture(logo).size(), QSize(20, 10));
}

TEST_F(SkinPrefetchTest, PrefetchedSkinIsCutAsOneReadWhenAsked)
{
    const QString frame = skin.Path(QStringLiteral("Skin/frame.bmp"));
    const SkinPrefetch prefetch({{frame, true}}, kSkinKeyColor);
    const PreparedSkin taken = SkinPrefetch::Take(frame, kSkinKeyColor);
    const PreparedSkin read = PrepareSkin(frame, kSkinKeyColor);
    EXPECT_EQ(taken.region, read.region);
    EXPECT_EQ(taken.picture, read.picture);
    EXPECT_FALSE(taken.region.contains(QPoint(2, 2)));
    EXPECT_EQ(qAlpha(taken.picture.pixel(2, 2)), 0);
    EXPECT_EQ(qAlpha(taken.picture.pixel(10, 8)), 255);
}

TEST_F(SkinPrefetchTest, AfterThePrefetchEndedSkinsAreReadWhenAsked)
{
    const QString frame = skin.Path(QStringLiteral("Skin/frame.bmp"));
    {
        const SkinPrefetch prefetch({{frame, true}}, kSkinKeyColor);
        ASSERT_TRUE(TakenFromPrefetch(frame, kSkinKeyColor));
    }
    EXPECT_FALSE(TakenFromPrefetch(frame, kSkinKeyColor));
    EXPECT_EQ(SkinPrefetch::Take(frame, kSkinKeyColor).picture.size(), QSize(20, 10));
}

TEST_F(SkinPrefetchTest, MissingSkinIsPreparedEmpty)
{
    const QString missing = skin.Path(QStringLiteral("Skin/missing.bmp"));
    const SkinPrefetch prefetch({{missing, true}}, kSkinKeyColor);
    const PreparedSkin taken = SkinPrefetch::Take(missing, kSkinKeyColor);
    EXPECT_TRUE(taken.picture.isNull());
    EXPECT_TRUE(taken.region.isEmpty());
}

} // namespace
