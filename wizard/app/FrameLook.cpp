#include "FrameLook.h"

#include "CSkBtn_Pub.h"
#include "CSkStatic.h"
#include "DialogBuilder.h"
#include "FrameControls.h"
#include "HouseStyles.h"
#include "ScreenDpi.h"
#include "SettingsReader.h"
#include "TextFormat.h"
#include "TextSplit.h"

namespace {

constexpr ColorRef kBlack = MakeColorRef(0, 0, 0);
constexpr ColorRef kWhite = MakeColorRef(255, 255, 255);

ColorRef FontColorSetting(const char* key, ColorRef fallback)
{
    std::uint32_t color = 0;
    if (!ParseRgb(ReadFontSetting(QString::fromLatin1(key)), color))
        return fallback;
    return static_cast<ColorRef>(color);
}

void StyleWebLink(QWidget* frame, ColorRef fontColor, ColorRef mouseOverColor)
{
    auto* link = FindControlAs<CSkBtn_Pub>(frame, FrameControl::WebLink);
    if (!link)
        return;
    // Idle and pressed in the font colour, under the mouse in its own; a
    // click leaves it in the font colour rather than the visited-link red.
    link->SetStateTextColor(0, fontColor);
    link->SetStateTextColor(1, mouseOverColor);
    link->SetStateTextColor(2, fontColor);
    link->SetClickedTextColor(fontColor);
    link->SetStateFont(-1, 1152 / ScreenDpi(), true, false, false, ReadFontFace());
    link->SetTextFormat(TextFormat::kRight | TextFormat::kVCenter | TextFormat::kSingleLine);
}

void StyleLabel(QWidget* frame, int id, ColorRef fontColor)
{
    auto* label = FindControlAs<CSkStatic>(frame, id);
    if (!label)
        return;
    label->SetTextColor(fontColor);
    label->SetTextFont(960 / ScreenDpi(), ReadFontFace(), true);
}

} // namespace

void ApplyFrameLook(QWidget* frame)
{
    const ColorRef fontColor = FontColorSetting("FontColor", kBlack);
    const ColorRef mouseOverColor = FontColorSetting("BtnMouseOverColor", kWhite);
    for (const int id : {FrameControl::Next, FrameControl::Back, FrameControl::Exit, FrameControl::Manual})
        ApplyButtonStyle(FindControlAs<CSkBtn_Pub>(frame, id), false);
    StyleWebLink(frame, fontColor, mouseOverColor);
    for (const int id : {FrameControl::ModelLabel, FrameControl::ProductLabel, FrameControl::VersionLabel})
        StyleLabel(frame, id, fontColor);
}
