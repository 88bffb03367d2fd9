// Where dialogs open, how shaped windows meet the desktop, and how skin
// pictures are scaled.
#include "CDlgMessageBox.h"
#include "CLanguageTable.h"
#include "CLookInfo.h"
#include "DialogPlacement.h"
#include "SkinFolder.h"
#include "SkinPicture.h"
#include "WindowAlpha.h"

#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kKey = qRgb(255, 255, 0);

// A disc on the key colour: its whole edge is curved.
QImage Disc(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kKey);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 60, 120));
    painter.drawRoundedRect(QRect(QPoint(0, 0), size), size.height() / 2.0, size.height() / 2.0);
    return image;
}

class ShapeAndPlacementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        skin.WriteStandardSkin();
        anchor.setFixedSize(600, 400);
        anchor.move(310, 170);
        anchor.show();
        SetDialogAnchor(&anchor);
    }
    void TearDown() override
    {
        SetDialogAnchor(nullptr);
        ForceWindowAlpha(std::nullopt);
    }

    static void ExpectCentredOn(const QWidget& dialog, const QWidget& window)
    {
        const QPoint offset = dialog.frameGeometry().center() - window.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 1) << offset.x() << "," << offset.y();
    }

    SkinFolder skin;
    CLanguageTable language;
    QWidget anchor;
};

TEST_F(ShapeAndPlacementTest, DialogsOpenCentredOnTheWizardWindowWhereverItWasDragged)
{
    for (const QPoint& place : {QPoint(310, 170), QPoint(20, 500), QPoint(900, 40)}) {
        anchor.move(place);
        CDlgMessageBox parentless(language);
        parentless.open();
        ExpectCentredOn(parentless, anchor);
        parentless.reject();

        CLookInfo owned(language, &anchor);
        owned.open();
        ExpectCentredOn(owned, anchor);
        owned.reject();
    }
}

TEST_F(ShapeAndPlacementTest, ShapedWindowsBlendTheirEdgeOnlyWhereTheDisplayHasAlpha)
{
    skin.WriteImage("Skin/DlgMessageBox.bmp", Disc({420, 195}));
    skin.WriteImage("Skin/DlgMessageBox@2x.bmp", Disc({840, 390}));
    for (const bool alpha : {false, true}) {
        ForceWindowAlpha(alpha);
        CDlgMessageBox box(language);
        box.open();
        // The key-colour region is the shape either way; only without
        // alpha does it cut the window.
        EXPECT_FALSE(box.SkinRegion().contains(QPoint(2, 2)));
        EXPECT_TRUE(box.SkinRegion().contains(QPoint(210, 97)));
        EXPECT_EQ(box.HasSmoothEdges(), alpha);
        EXPECT_EQ(box.testAttribute(Qt::WA_TranslucentBackground), alpha);
        EXPECT_EQ(box.mask(), alpha ? QRegion() : box.SkinRegion());
        // Cut by its region or see-through, the window never shows its key colour.
        const QImage seen = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
        int keyPixels = 0;
        for (int y = 0; y < seen.height(); ++y) {
            for (int x = 0; x < seen.width(); ++x)
                keyPixels += (seen.pixel(x, y) & 0xFFFFFF) == (kKey & 0xFFFFFF);
        }
        EXPECT_EQ(keyPixels, 0);
        if (alpha) {
            // Along the curved edge some pixels are neither in nor out.
            const QImage shot = box.grab().toImage().convertToFormat(QImage::Format_ARGB32);
            int blended = 0;
            for (int x = 0; x < 100; ++x) {
                const int a = qAlpha(shot.pixel(x, 40));
                blended += a > 0 && a < 255;
            }
            EXPECT_GT(blended, 0);
            EXPECT_EQ(qAlpha(shot.pixel(1, 1)), 0);
        }
        box.reject();
    }
}

TEST_F(ShapeAndPlacementTest, DenseTwinIsPickedOnlyForDenseScreensAndWhenItIsReadable)
{
    skin.WriteImage("Skin/a.bmp", Disc({40, 20}));
    skin.WriteImage("Skin/b.bmp", Disc({40, 20}));
    skin.WriteImage("Skin/b@2x.bmp", Disc({80, 40}));
    skin.WriteImage("Skin/c.bmp", Disc({40, 20}));
    skin.WriteText("Skin/c@2x.bmp", "not a picture");
    const struct {
        const char* name;
        bool dense;
        const char* picked;
        qreal ratio;
    } cases[] = {
        {"Skin/a.bmp", true, "Skin/a.bmp", 1.0},
        {"Skin/b.bmp", false, "Skin/b.bmp", 1.0},
        {"Skin/b.bmp", true, "Skin/b@2x.bmp", 2.0},
        // A broken twin falls back to the plain picture rather than to none.
        {"Skin/c.bmp", true, "Skin/c@2x.bmp", 1.0},
    };
    for (const auto& c : cases) {
        const QString path = skin.Path(QString::fromLatin1(c.name));
        EXPECT_EQ(DensePicturePath(path, c.dense), skin.Path(QString::fromLatin1(c.picked))) << c.name;
        const QImage picture = LoadPaintPicture(ReadSkinPicture(path), path, kSkinKeyColor, c.dense);
        EXPECT_EQ(picture.devicePixelRatio(), c.ratio) << c.name;
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(40, 20)) << c.name;
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << "key colour left opaque in " << c.name;
    }
}

TEST_F(ShapeAndPlacementTest, PicturesAreScaledSmoothly)
{
    QImage checker(2, 1, QImage::Format_RGB32);
    checker.setPixel(0, 0, qRgb(0, 0, 0));
    checker.setPixel(1, 0, qRgb(255, 255, 255));
    QImage target(5, 1, QImage::Format_RGB32);
    target.fill(Qt::red);
    QPainter painter(&target);
    DrawPictureSmooth(painter, QRectF(0, 0, 5, 1), checker);
    painter.end();
    const int middle = qGray(target.pixel(2, 0));
    EXPECT_GT(middle, 40);
    EXPECT_LT(middle, 215);
}

} // namespace
