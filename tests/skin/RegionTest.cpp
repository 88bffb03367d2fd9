#include "CPolygonDialog.h"
#include "SkinFolder.h"
#include "SkinRegion.h"

#include <gtest/gtest.h>

namespace {

QImage Filled(QSize size, QColor color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

qint64 Area(const QRegion& region)
{
    qint64 area = 0;
    for (const QRect& r : region)
        area += qint64(r.width()) * r.height();
    return area;
}

TEST(SkinRegionTest, KeyColourPixelsAreCutOutExactly)
{
    const QColor yellow(255, 255, 0);
    QImage corners = Filled({10, 8}, Qt::white);
    for (QPoint p : {QPoint(0, 0), QPoint(9, 0), QPoint(0, 7), QPoint(9, 7)})
        corners.setPixelColor(p, yellow);
    corners.setPixelColor(4, 4, Qt::magenta);
    corners.setPixelColor(5, 4, QColor(254, 255, 0));

    struct Case {
        const char* name;
        QImage image;
        qint64 area;
        std::vector<QPoint> inside;
        std::vector<QPoint> outside;
    };
    const Case cases[] = {
        {"yellow corners", corners, 80 - 4, {{4, 4}, {5, 4}, {1, 0}, {9, 1}}, {{0, 0}, {9, 0}, {0, 7}, {9, 7}}},
        {"no yellow", Filled({12, 5}, Qt::white), 60, {{0, 0}, {11, 4}}, {{12, 0}}},
        {"all yellow", Filled({12, 5}, yellow), 0, {}, {{0, 0}, {6, 2}}},
    };
    for (const Case& c : cases) {
        const QRegion region = RegionFromImage(c.image, kSkinKeyColor);
        EXPECT_EQ(Area(region), c.area) << c.name;
        for (QPoint p : c.inside)
            EXPECT_TRUE(region.contains(p)) << c.name << " " << p.x() << "," << p.y();
        for (QPoint p : c.outside)
            EXPECT_FALSE(region.contains(p)) << c.name << " " << p.x() << "," << p.y();
    }
    EXPECT_EQ(RegionFromImage(Filled({12, 5}, Qt::white), kSkinKeyColor).boundingRect(), QRect(0, 0, 12, 5));
}

TEST(SkinRegionTest, ManyRunsAreGatheredAcrossBatches)
{
    // A checkerboard of 120 × 100 gives 6000 one-pixel runs.
    QImage board = Filled({120, 100}, QColor(255, 255, 0));
    for (int y = 0; y < board.height(); ++y) {
        for (int x = (y % 2); x < board.width(); x += 2)
            board.setPixelColor(x, y, Qt::black);
    }
    const QRegion region = RegionFromImage(board, kSkinKeyColor);
    EXPECT_EQ(Area(region), 6000);
    EXPECT_TRUE(region.contains(QPoint(119, 99)));
    EXPECT_FALSE(region.contains(QPoint(118, 99)));
}

TEST(SkinRegionTest, RoundedRectangleLosesOnlyItsCorners)
{
    const QRegion region = RoundedRectRegion({453, 130}, 15);
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(452, 129)));
    EXPECT_TRUE(region.contains(QPoint(7, 0)));
    EXPECT_TRUE(region.contains(QPoint(226, 65)));
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 453, 130));
}

TEST(SkinRegionTest, PolygonDialogTakesItsShapeFromTheSkin)
{
    SkinFolder skin;
    skin.WriteStandardSkin();
    CPolygonDialog shaped(214);
    shaped.SetSkinBitmap(skin.Path("Skin/link_error.bmp"), kSkinKeyColor);
    shaped.InitDialog();
    EXPECT_EQ(shaped.GetSkinSize(), QSize(756, 308));
    EXPECT_FALSE(shaped.SkinRegion().contains(QPoint(0, 0)));
    EXPECT_TRUE(shaped.SkinRegion().contains(QPoint(240, 150)));
    shaped.SetSkinBitmap(skin.Path("Skin/DlgMessageBox.bmp"), kSkinKeyColor);
    EXPECT_EQ(shaped.GetSkinSize(), QSize(756, 308));

    CPolygonDialog plain(214);
    plain.SetSkinBitmap(skin.Path("Skin/missing.bmp"), kSkinKeyColor);
    plain.InitDialog();
    EXPECT_EQ(plain.GetSkinSize(), QSize(0, 0));
    EXPECT_TRUE(plain.SkinRegion().isEmpty());
    EXPECT_EQ(plain.size(), QSize(756, 308));
}

} // namespace
