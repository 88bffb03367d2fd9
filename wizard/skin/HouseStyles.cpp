#include "HouseStyles.h"

#include "CSkBtn_ChkRadio.h"
#include "CSkEdit.h"
#include "ProgramFolder.h"
#include "ScreenDpi.h"
#include "SettingsReader.h"
#include "TextFormat.h"
#include "TextSplit.h"

namespace {

int PointsAtScreenDpi(int constant)
{
    return constant / ScreenDpi();
}

void ApplyTextStyle(CWndCommonAttr* label, int constant, bool bold)
{
    if (!label)
        return;
    label->SetTextColor(0);
    label->SetTextFont(PointsAtScreenDpi(constant), ReadFontFace(), bold);
}

ColorRef FontColorSetting(const QString& key, const QString& fallbackText, ColorRef fallback)
{
    std::uint32_t color = 0;
    if (!ParseRgb(ReadFontValue(key, fallbackText, 128), color))
        return fallback;
    return static_cast<ColorRef>(color);
}

} // namespace

void ApplyTitleStyle(CWndCommonAttr* label)
{
    ApplyTextStyle(label, 1056, true);
}

void ApplyNoteStyle(CWndCommonAttr* label)
{
    ApplyTextStyle(label, 960, true);
}

void ApplyLabelStyle(CWndCommonAttr* label)
{
    ApplyTextStyle(label, 864, false);
}

void ApplyEditStyle(CSkEdit* edit)
{
    if (!edit)
        return;
    edit->SetTextColor(0);
    edit->SetTextFont(PointsAtScreenDpi(768), ReadFontFace());
    edit->SetFocusBkColor(FontColorSetting(QStringLiteral("EditFontColor"), QStringLiteral("255,255,255"),
                                           MakeColorRef(255, 255, 255)));
    edit->SetFocusTextColor(FontColorSetting(QStringLiteral("EditBkColor"), QStringLiteral("0,0,0"), 0));
    edit->SetRoundBorder(true);
}

void ApplyLabelPairStyle(CWndCommonAttr* label, CWndCommonAttr* value, int labelSize, bool labelBold, int valueSize,
                         bool valueBold)
{
    if (!label || !value)
        return;
    const QString face = ReadFontFace();
    label->SetTextColor(0);
    value->SetTextColor(0);
    label->SetTextFont(labelSize * 96 / ScreenDpi(), face, labelBold);
    value->SetTextFont(valueSize * 96 / ScreenDpi(), face, valueBold);
    value->SetTransparent(true);
}

void ApplyButtonStyle(CSkBtn_Pub* button, bool small, const QString& picture)
{
    if (!button)
        return;
    const QString strip = picture.isEmpty() ? CommonButtonStrip(small) : picture;
    button->LoadPictureStripFile(4, kSkinKeyColor, strip);
    button->Redraw(false);
    button->SetApplyDefaultLook(false);
    button->SetStateTextColor(0, MakeColorRef(255, 255, 255));
    button->SetStateTextColor(1, 0);
    button->SetStateTextColor(2, MakeColorRef(0, 0, 255));
    button->SetStateFont(-1, PointsAtScreenDpi(small ? 864 : 960), false, false, false, ReadFontFace());
}

QString CommonButtonStrip(bool small)
{
    return GetProgramFolder() + QStringLiteral("Skin\\CommonButton%1.bmp").arg(small ? QStringLiteral("_Little") : QString());
}

void ApplyPictureButtonStyle(CSkBtn_Pub* button, ColorRef color, unsigned formatFlags)
{
    if (!button)
        return;
    const ColorRef grey = MakeColorRef(0xAA, 0xA9, 0xA9);
    button->SetStateFont(-1, PointsAtScreenDpi(1056), false, false, false, ReadFontFace());
    button->SetStateTextColor(0, color);
    button->SetStateTextColor(1, grey);
    button->SetStateTextColor(2, grey);
    button->SetTextFormat(formatFlags | TextFormat::kSingleLine | TextFormat::kVCenter);
    button->SetClickedTextColor(0);
}

void ApplyCheckBoxStyle(CSkBtn_ChkRadio* box, const QString& text)
{
    if (!box)
        return;
    const QString skin = GetProgramFolder() + QStringLiteral("Skin\\");
    box->SetStateCursorFile(0, skin + QStringLiteral("RadioCheck.cur"));
    box->SetStateCursorFile(2, skin + QStringLiteral("RadioUnCheck.cur"));
    box->setText(text);
    box->LoadPictureStripFile(6, kSkinKeyColor, skin + QStringLiteral("btnCheck_Default.bmp"));
    box->SetStateTextColor(0, 0);
    box->SetStateTextColor(1, MakeColorRef(0x40, 0x40, 0x40));
    box->SetStateTextColor(2, MakeColorRef(0, 0, 0x20));
    box->SetStateTextColor(3, MakeColorRef(0x40, 0x40, 0x60));
    box->SetStateFont(-1, PointsAtScreenDpi(864), false, false, false, ReadFontFace());
    box->Redraw(true);
    box->SetTextFormat(TextFormat::kSingleLine | TextFormat::kVCenter);
    box->SetClickedTextColor(kNoColor);
}

void MeasureScreenDpi(const QWidget* widget)
{
    SetScreenDpi(widget->logicalDpiY());
}
