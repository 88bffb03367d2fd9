#include "CAboutDlg.h"

#include "CLanguageTable.h"
#include "CSkBtn_Pic.h"
#include "CSkDisplayPic.h"
#include "CSkStatic.h"
#include "CorvaneVersion.h"
#include "DialogBuilder.h"
#include "HouseStyles.h"
#include "ProgramFolder.h"
#include "TranslateDialog.h"

namespace {

constexpr int kAboutTemplate = 100;
constexpr int kIconControl = 1300;
constexpr int kNameControl = 1301;
constexpr int kOkButton = 1;

} // namespace

CAboutDlg::CAboutDlg(const CLanguageTable& language, const QIcon& icon, QWidget* parent)
    : CPolygonDialog(kAboutTemplate, parent)
    , language_(language)
    , icon_(icon)
{
    setModal(true);
    setWindowTitle(language.GetText(QStringLiteral("App Name")));
    SetSkinBitmap(GetProgramFolder() + QStringLiteral("Skin\\DlgMessageBox.bmp"), kSkinKeyColor);
    if (auto* ok = FindControlAs<QAbstractButton>(this, kOkButton))
        connect(ok, &QAbstractButton::clicked, this, &QDialog::accept);
}

QString CAboutDlg::VersionText(const CLanguageTable& language)
{
    return language.GetText(QStringLiteral(LANG_KEY("Version"))) + u' ' + QString::fromLatin1(kCorvaneVersion);
}

void CAboutDlg::OnInitDialog()
{
    RelayoutForScreen();
    TranslateDialog(this, language_);
    FindControlAs<CSkDisplayPic>(this, kIconControl)->SetIcon(icon_);
    ApplyTitleStyle(FindControlAs<CSkStatic>(this, kNameControl));
    auto* version = FindControlAs<CSkStatic>(this, kVersionId);
    ApplyLabelStyle(version);
    version->setText(VersionText(language_));
    ApplyButtonStyle(FindControlAs<CSkBtn_Pic>(this, kOkButton), true);
}
