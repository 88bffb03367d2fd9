#include "CLookInfo.h"

#include "CEnterEscapeFilter.h"
#include "CLanguageTable.h"
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
constexpr int kTitleId = 1257;
constexpr int kDescriptionId = 1258;
constexpr int kNoteId = 1259;
constexpr int kCauseId = 1260;
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
    FindControlAs<CSkStatic>(this, kTitleId)->SetTextFont(1152 / ScreenDpi(), face, true);
    FindControlAs<CSkStatic>(this, kDescriptionId)->SetTextFont(768 / ScreenDpi(), face);
    FindControlAs<CSkStatic>(this, kCauseId)->SetTextFont(864 / ScreenDpi(), face, true);
    auto* note = FindControlAs<CSkStatic>(this, kNoteId);
    note->SetTextFont(672 / ScreenDpi(), face);
    // A red dark enough for 4.5 : 1 on the light skin; pure red reaches 4 : 1.
    note->SetTextColor(MakeColorRef(200, 0, 0));
    TranslateDialog(this, language_);
    const QString title = FindControlAs<CSkStatic>(this, kTitleId)->text();
    setAccessibleName(title);
    setWindowTitle(title);
    ShowCause();
}

void CLookInfo::SetCauseKey(const QString& key)
{
    causeKey_ = key;
    ShowCause();
}

// After the translation of the captions, which must not look the sentence up again.
void CLookInfo::ShowCause()
{
    auto* cause = FindControlAs<CSkStatic>(this, kCauseId);
    cause->setText(causeKey_.isEmpty() ? QString() : language_.GetText(causeKey_));
    cause->setAccessibleName(cause->text());
}
