#include "CIpAddressEdit.h"
#include "CSkBtn_ChkRadio.h"
#include "CSkBtn_Pic.h"
#include "CSkEdit.h"
#include "CSkStatic.h"
#include "CursorFile.h"
#include "HouseStyles.h"
#include "PictureStrip.h"
#include "SkinFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class SkinControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        skin.WriteStandardSkin();
        parent.resize(400, 200);
        parent.show();
    }

    SkinFolder skin;
    QWidget parent;
};

TEST_F(SkinControlsTest, EditStyleTakesFocusColoursFromSettingsWithFallbacks)
{
    struct Case {
        const char* settings;
        ColorRef focusBk;
        ColorRef focusText;
    };
    const Case cases[] = {
        {"", MakeColorRef(255, 255, 255), 0},
        {"[Font]\nEditFontColor=255,0,0\nEditBkColor=0,0,255\n", MakeColorRef(255, 0, 0), MakeColorRef(0, 0, 255)},
        {"[Font]\nEditFontColor=bad\nEditBkColor=1,2\n", MakeColorRef(255, 255, 255), 0},
        {"[Font]\nEditFontColor=300,0,0\n", MakeColorRef(44, 0, 0), 0},
    };
    for (const Case& c : cases) {
        skin.WriteText("setting.ini", c.settings);
        CSkEdit edit(&parent);
        ApplyEditStyle(&edit);
        EXPECT_EQ(edit.FocusBkColor(), c.focusBk) << c.settings;
        EXPECT_EQ(edit.FocusTextColor(), c.focusText) << c.settings;
        EXPECT_TRUE(edit.RoundBorder());
    }
}

TEST_F(SkinControlsTest, EditShowsFocusAndReadOnlyColours)
{
    CSkEdit edit(&parent);
    CSkEdit other(&parent);
    edit.SetFocusBkColor(0x00AA00);
    edit.show();
    other.show();
    parent.activateWindow();
    EXPECT_EQ(edit.CurrentBkColor(), MakeColorRef(255, 255, 255));
    edit.setFocus();
    QTRY_VERIFY(edit.hasFocus());
    EXPECT_EQ(edit.CurrentBkColor(), 0x00AA00);
    EXPECT_EQ(edit.palette().color(QPalette::Base), ToQColor(0x00AA00));
    edit.setReadOnly(true);
    EXPECT_EQ(edit.CurrentBkColor(), CSkEdit::kDisabledBkColor);
    other.setEnabled(false);
    EXPECT_EQ(other.CurrentBkColor(), CSkEdit::kDisabledBkColor);
}

TEST_F(SkinControlsTest, ControlASelectsTheWholeEditText)
{
    CSkEdit edit(&parent);
    edit.setText("some text");
    edit.show();
    edit.setCursorPosition(2);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit.selectedText(), "some text");
}

TEST_F(SkinControlsTest, ButtonStyleGivesTheHouseColoursAndFont)
{
    CSkBtn_Pic button(&parent);
    ApplyButtonStyle(&button, true);
    EXPECT_TRUE(button.IsOwnerDrawn());
    EXPECT_EQ(button.Strip().FrameSize(), QSize(72, 24));
    const ColorRef expected[] = {MakeColorRef(255, 255, 255), 0, MakeColorRef(0, 0, 255), MakeColorRef(0, 0, 255)};
    for (int state = 0; state < 4; ++state) {
        EXPECT_EQ(button.StateAttr(state).textColor, expected[state]) << state;
        EXPECT_EQ(button.StateAttr(state).font->pixelSize(), 12) << state;
    }
}

TEST_F(SkinControlsTest, CheckBoxStyleLoadsSixFramesAndCursors)
{
    CSkBtn_ChkRadio box(CSkBtn_ChkRadio::Kind::CheckBox, &parent);
    ApplyCheckBoxStyle(&box, "");
    EXPECT_EQ(box.Strip().FrameCount(), 6);
    EXPECT_EQ(box.Strip().FrameSize(), QSize(20, 20));
    EXPECT_EQ(box.StateAttr(1).cursor.hotSpot(), QPoint(3, 5));
    EXPECT_EQ(box.StateAttr(2).cursor.hotSpot(), QPoint(4, 6));
    EXPECT_EQ(box.StateAttr(5).cursor.hotSpot(), QPoint(4, 6));
    EXPECT_EQ(box.ClickedTextColor(), kNoColor);
    box.setGeometry(10, 10, 24, 24);
    box.SetCheck(true);
    SaveScreenshot(&box, "checkbox_checked");
}

TEST_F(SkinControlsTest, CursorFileNeedsTheCursorType)
{
    skin.WritePicture("Skin/plain.ico", {32, 32}, Qt::red);
    EXPECT_FALSE(LoadCursorFile(skin.Path("Skin/plain.ico")).has_value());
    EXPECT_FALSE(LoadCursorFile(skin.Path("Skin/missing.cur")).has_value());
    EXPECT_TRUE(LoadCursorFile(skin.Path("Skin/RadioCheck.cur")).has_value());
}

TEST_F(SkinControlsTest, StripMaskColourBecomesTransparent)
{
    QImage strip(40, 10, QImage::Format_RGB32);
    strip.fill(QColor(255, 255, 0));
    strip.setPixel(5, 5, qRgb(10, 20, 30));
    skin.WriteImage("Skin/strip.bmp", strip);
    PictureStrip loaded;
    ASSERT_TRUE(loaded.Load(skin.Path("Skin/strip.bmp"), 4, kSkinKeyColor));
    const QImage first = loaded.Frame(0).toImage();
    EXPECT_EQ(qAlpha(first.pixel(0, 0)), 0);
    EXPECT_EQ(first.pixel(5, 5), qRgb(10, 20, 30));
}

TEST_F(SkinControlsTest, IpAddressEntryReadsTypedAndPastedText)
{
    CIpAddressEdit entry(&parent);
    entry.show();
    EXPECT_EQ(entry.Text(), "0.0.0.0");
    EXPECT_EQ(entry.Value(), 0u);

    entry.SetValue(0xC0A80101);
    EXPECT_EQ(entry.Text(), "192.168.1.1");

    const std::pair<const char*, const char*> texts[] = {
        {"10.0.0.138", "10.0.0.138"}, {"300.1.2.3", "255.1.2.3"}, {"1.2", "1.2.0.0"}, {"a.b.c.d", "0.0.0.0"}};
    for (const auto& [typed, shown] : texts) {
        entry.SetText(typed);
        EXPECT_EQ(entry.Text(), shown) << typed;
    }

    parent.activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &parent);
    const QList<QLineEdit*> octets = entry.findChildren<QLineEdit*>();
    octets[0]->setFocus();
    QApplication::clipboard()->setText("172.16.5.4");
    QTest::keyClick(octets[0], Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(entry.Value(), 0xAC100504u);

    entry.SetValue(0);
    octets[0]->selectAll();
    QTest::keyClicks(octets[0], "10.");
    QTRY_VERIFY(octets[1]->hasFocus());
    QTest::keyClicks(octets[1], "20");
    EXPECT_EQ(entry.Text(), "10.20.0.0");
    SaveScreenshot(&entry, "ip_address_entry");
}

TEST_F(SkinControlsTest, LabelsAndEditsRender)
{
    CSkStatic label(&parent);
    label.setText("Account");
    ApplyLabelStyle(&label);
    label.setGeometry(0, 0, 180, 21);
    CSkEdit edit(&parent);
    ApplyEditStyle(&edit);
    edit.setText("user@example");
    edit.setGeometry(0, 30, 225, 21);
    EXPECT_EQ(label.TextColor(), 0);
    EXPECT_EQ(label.font().pixelSize(), 12);
    SaveScreenshot(&label, "label_style");
    SaveScreenshot(&edit, "edit_style");
}

} // namespace
