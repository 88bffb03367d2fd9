#include "ButtonLayout.h"
#include "CSkBtn_ChkRadio.h"
#include "CSkBtn_Hotspot.h"
#include "CSkBtn_Pic.h"
#include "ControlId.h"
#include "SkinFolder.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class SkinButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        skin.WriteStandardSkin();
        parent.resize(300, 200);
        parent.show();
    }

    SkinFolder skin;
    QWidget parent;
};

TEST_F(SkinButtonTest, PushButtonStateFollowsEnableHoverAndPress)
{
    CSkBtn_Pic button(&parent);
    button.setGeometry(10, 10, 100, 30);
    button.show();
    EXPECT_EQ(button.GetStateIndex(), 0);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    EXPECT_EQ(button.GetStateIndex(), 1);
    button.setDown(true);
    EXPECT_EQ(button.GetStateIndex(), 2);
    button.setDown(false);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_EQ(button.GetStateIndex(), 0);
    button.setEnabled(false);
    EXPECT_EQ(button.GetStateIndex(), 3);
}

TEST_F(SkinButtonTest, CheckBoxStateCombinesCheckHoverAndEnable)
{
    struct Case {
        bool enabled;
        bool hover;
        bool checked;
        int state;
    };
    const Case cases[] = {
        {true, false, false, 0}, {true, true, false, 1}, {true, false, true, 2},
        {true, true, true, 3},   {false, false, false, 4}, {false, true, true, 5},
    };
    for (const Case& c : cases) {
        CSkBtn_ChkRadio box(CSkBtn_ChkRadio::Kind::CheckBox, &parent);
        box.show();
        box.SetCheck(c.checked);
        if (c.hover) {
            QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QApplication::sendEvent(&box, &enter);
        }
        box.setEnabled(c.enabled);
        EXPECT_EQ(box.GetStateIndex(), c.state) << c.enabled << c.hover << c.checked;
    }
}

TEST_F(SkinButtonTest, SettersWriteFromTheirStateOnward)
{
    CSkBtn_Pub button(&parent);
    button.SetStateTextColor(0, 0x111111);
    button.SetStateTextColor(1, 0x222222);
    EXPECT_EQ(button.StateAttr(0).textColor, 0x111111);
    for (int state = 1; state < 4; ++state)
        EXPECT_EQ(button.StateAttr(state).textColor, 0x222222);

    button.SetStateFrameColor(2, 0x333333);
    EXPECT_EQ(button.StateAttr(1).frameColor, kNoColor);
    EXPECT_EQ(button.StateAttr(3).frameColor, 0x333333);

    button.SetStateFont(1, 12, true, false, false, "Arial");
    EXPECT_FALSE(button.StateAttr(0).font.has_value());
    EXPECT_TRUE(button.StateAttr(1).font->bold());
    EXPECT_FALSE(button.StateAttr(2).font.has_value());
    button.SetStateFont(-1, 9, false, false, false, "Arial");
    for (int state = 0; state < 4; ++state)
        EXPECT_EQ(button.StateAttr(state).font->pixelSize(), 12);
}

TEST_F(SkinButtonTest, FourFrameStripInPictureOnlyModeFitsToOneFrame)
{
    CSkBtn_Pub button(&parent);
    button.setGeometry(10, 10, 300, 60);
    ASSERT_TRUE(button.LoadPictureStripFile(4, kSkinKeyColor, skin.Path("Skin/CommonButton.bmp")));
    button.SetArrangement(3);
    button.SetFitToContent(true);
    EXPECT_EQ(button.size(), QSize(100, 32));
}

// A push button fits itself to its caption in the font it shows with, by the
// time it shows, whether or not a style replaced its default look first.
TEST_F(SkinButtonTest, PushButtonFitsItsCaptionByTheTimeItShows)
{
    for (const bool restyled : {false, true}) {
        SCOPED_TRACE(restyled ? "restyled" : "default look");
        QWidget window;
        CSkBtn_Pic button(&window);
        button.setGeometry(10, 10, 5, 5);
        button.setText(QStringLiteral("Next >"));
        if (restyled)
            button.SetStateFont(-1, 20, true, false, false, QStringLiteral("DejaVu Sans"));
        window.show();
        const QSize caption = QFontMetrics(*button.StateAttr(0).font).size(Qt::TextSingleLine, button.text());
        EXPECT_GE(button.width(), caption.width());
        EXPECT_GE(button.height(), caption.height());
    }
}

TEST_F(SkinButtonTest, MissingStripFallsBackToStandardButton)
{
    CSkBtn_Pic button(&parent);
    button.setGeometry(10, 10, 100, 30);
    button.setText("Next");
    EXPECT_FALSE(button.LoadPictureStripFile(4, kSkinKeyColor, skin.Path("Skin/none.bmp")));
    EXPECT_FALSE(button.IsOwnerDrawn());
    EXPECT_EQ(button.geometry(), QRect(10, 10, 100, 30));
    SaveScreenshot(&button, "button_standard_fallback");
}

TEST(SkinButtonLayoutTest, ArrangementsWithAndWithoutFit)
{
    struct Case {
        int arrangement;
        bool fit;
        QSize picture;
        QRect caption;
        QRect pictureRect;
        QSize window; // empty when not fitting
    };
    const QRect client(0, 0, 200, 40);
    const QSize text(50, 14);
    const Case cases[] = {
        {0, false, {20, 20}, client, client, {}},
        {0, true, {20, 10}, {0, 0, 20, 14}, {0, 0, 20, 14}, {20, 16}},
        {0, true, {}, {0, 0, 54, 16}, {}, {54, 18}},
        {1, false, {20, 20}, {22, 0, 178, 40}, {0, 10, 20, 20}, {}},
        {1, true, {20, 20}, {22, 0, 50, 14}, {0, 0, 20, 20}, {72, 22}},
        {2, false, {20, 20}, {0, 0, 178, 40}, {180, 10, 20, 20}, {}},
        {2, true, {20, 20}, {0, 0, 50, 14}, {52, 0, 20, 20}, {72, 22}},
        {3, false, {100, 30}, {}, client, {}},
        {3, true, {100, 30}, {}, {0, 0, 100, 30}, {100, 32}},
    };
    for (const Case& c : cases) {
        ButtonLayoutInput in;
        in.client = client;
        in.window = QRect(10, 10, 200, 40);
        in.textSize = text;
        in.pictureSize = c.picture;
        in.arrangement = c.arrangement;
        in.fitToContent = c.fit;
        const ButtonLayoutResult out = LayoutButtonContent(in);
        const std::string label = "mode " + std::to_string(c.arrangement) + (c.fit ? " fit" : "");
        EXPECT_EQ(out.caption, c.caption) << label;
        EXPECT_EQ(out.picture, c.pictureRect) << label;
        EXPECT_EQ(out.window.has_value(), c.fit) << label;
        if (out.window) {
            EXPECT_EQ(out.window->size(), c.window) << label;
        }
    }
}

// Skipping the measurement must never change the layout: wherever the text's
// size is said not to matter, any one line of it lays out as no text does.
TEST(SkinButtonLayoutTest, TextIsMeasuredWhereverItsSizeCouldMatter)
{
    const struct {
        int arrangement;
        bool fit;
        QSize picture;
        int fontPixels;
        bool measured;
    } cases[] = {
        {0, true, {100, 32}, 13, false}, // the house push button
        {0, true, {100, 32}, 16, false},
        {0, true, {100, 32}, 17, true},  // two lines' worth outgrows the picture
        {0, true, {}, 13, true},         // the text alone sizes the button
        {0, true, {100, 32}, -1, true},  // a size in points is not known here
        {1, true, {20, 20}, 8, true},    // beside the picture the width counts
        {2, true, {20, 20}, 8, true},
        {3, true, {100, 30}, 13, true},
        {0, false, {100, 32}, 40, false}, // not fitting: the client decides
        {1, false, {}, 13, false},
    };
    for (const auto& c : cases) {
        const std::string label = "mode " + std::to_string(c.arrangement) + (c.fit ? " fit" : "") + " px " +
                                  std::to_string(c.fontPixels);
        ButtonLayoutInput in;
        in.client = QRect(0, 0, 200, 40);
        in.window = QRect(10, 10, 200, 40);
        in.pictureSize = c.picture;
        in.arrangement = c.arrangement;
        in.fitToContent = c.fit;
        EXPECT_EQ(LayoutNeedsTextSize(in, c.fontPixels), c.measured) << label;
        if (c.measured)
            continue;
        const ButtonLayoutResult unmeasured = LayoutButtonContent(in);
        in.textSize = QSize(180, 2 * std::max(c.fontPixels, 0));
        const ButtonLayoutResult measured = LayoutButtonContent(in);
        EXPECT_EQ(measured.caption, unmeasured.caption) << label;
        EXPECT_EQ(measured.picture, unmeasured.picture) << label;
        EXPECT_EQ(measured.window, unmeasured.window) << label;
    }
}

TEST(SkinButtonLayoutTest, FittedWindowKeepsTheEdgeTheTextFormatNames)
{
    const std::pair<unsigned, int> cases[] = {{0x20, 10}, {0x22, 110}, {0x21, 60}};
    for (const auto& [format, left] : cases) {
        ButtonLayoutInput in;
        in.client = QRect(0, 0, 200, 40);
        in.window = QRect(10, 10, 200, 40);
        in.pictureSize = QSize(100, 30);
        in.arrangement = 3;
        in.fitToContent = true;
        in.textFormat = format;
        EXPECT_EQ(LayoutButtonContent(in).window->left(), left) << format;
    }
}

TEST_F(SkinButtonTest, CheckingARadioUnchecksOnlyItsGroup)
{
    std::vector<CSkBtn_ChkRadio*> radios;
    for (int i = 0; i < 5; ++i) {
        auto* radio = new CSkBtn_ChkRadio(CSkBtn_ChkRadio::Kind::Radio, &parent);
        SetControlId(radio, 100 + i);
        radio->setProperty(kGroupStartProperty, i == 0 || i == 3);
        radio->SetCheck(true);
        radios.push_back(radio);
    }
    // Group one is 100..102, group two 103..104; all were checked in turn.
    QSignalSpy notified(radios[0], &CSkBtn_ChkRadio::CheckNotify);
    radios[1]->SetCheck(true);
    const bool expected[] = {false, true, false, false, true};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(radios[static_cast<std::size_t>(i)]->GetCheck(), expected[i]) << i;
    ASSERT_EQ(notified.count(), 1);
    EXPECT_EQ(notified[0][0].toInt(), 100);
}

TEST_F(SkinButtonTest, ClickAndSpaceToggleACheckBoxButOnlyCheckARadio)
{
    CSkBtn_ChkRadio box(CSkBtn_ChkRadio::Kind::CheckBox, &parent);
    CSkBtn_ChkRadio radio(CSkBtn_ChkRadio::Kind::Radio, &parent);
    for (auto* button : {&box, &radio}) {
        button->setGeometry(0, 0, 60, 20);
        button->show();
    }
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_TRUE(box.GetCheck());
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_FALSE(box.GetCheck());
    QTest::mouseClick(&radio, Qt::LeftButton);
    QTest::mouseClick(&radio, Qt::LeftButton);
    EXPECT_TRUE(radio.GetCheck());
}

TEST_F(SkinButtonTest, HotspotTakesItsVisitedColourAfterAClick)
{
    CSkBtn_Hotspot link(&parent);
    link.setText("webURL");
    link.setGeometry(0, 0, 120, 20);
    link.show();
    EXPECT_EQ(link.StateAttr(0).textColor, MakeColorRef(37, 81, 178));
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(link.StateAttr(0).textColor, MakeColorRef(128, 0, 0));

    CSkBtn_Hotspot owned(&parent);
    owned.SetClickedTextColor(0x123456);
    owned.setGeometry(0, 30, 120, 20);
    owned.show();
    QTest::mouseClick(&owned, Qt::LeftButton);
    EXPECT_EQ(owned.StateAttr(0).textColor, 0x123456);
}

} // namespace
