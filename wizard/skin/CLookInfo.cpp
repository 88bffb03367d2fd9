#include "CLookInfo.h"

#include "CEnterEscapeFilter.h"
#include "CSkBtn_Pic.h"
#include "CSkStatic.h"
#include "DialogBuilder.h"
#include "HouseStyles.h"
#include "ProgramFolder.h"
#include "ScreenDpi.h"
#include "SettingsReader.h"
#include "TranslateDialog.h"

namespace {
constexpr int kTemplateId = 214;
constexpr int kRetryId = 1105;
} // namespace

CLookInfo::CLookInfo(const CLanguageTable& language, QWidget* parent)
    : CPolygonDialog(kTemplateId, parent)
    , language_(language)
{
    setModal(true);
    SetSkinBitmap(GetProgramFolder() + QStringLiteral("Skin\\link_error.bmp"), kSkinKeyColor);
    CEnterEscapeFilter::Install(this);
    connect(FindControlAs<CSkBtn_Pic>(this, kRetryId), &QAbstractButton::clicked, this, &QDialog::accept);
}

void CLookInfo::OnInitDialog()
{
    MeasureScreenDpi(this);
    RelayoutForScreen();
    ApplyButtonStyle(FindControlAs<CSkBtn_Pic>(this, kRetryId), false);
    const QString face = ReadFontFace();
    FindControlAs<CSkStatic>(this, 1257)->SetTextFont(1152 / ScreenDpi(), face, true);
    FindControlAs<CSkStatic>(this, 1258)->SetTextFont(768 / ScreenDpi(), face);
    auto* note = FindControlAs<CSkStatic>(this, 1259);
    note->SetTextFont(672 / ScreenDpi(), face);
    note->SetTextColor(MakeColorRef(255, 0, 0));
    TranslateDialog(this, language_);
}
