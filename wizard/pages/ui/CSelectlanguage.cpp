#include "CSelectlanguage.h"

#include "CLanguageTable.h"
#include "CSkBtn_Pub.h"
#include "CWndCommonAttr.h"
#include "HouseStyles.h"
#include "InformationPages.h"
#include "ScreenDpi.h"
#include "SettingsReader.h"
#include "WizardData.h"
#include "WizardHost.h"

namespace {
constexpr int kTitle = 1171;
constexpr int kTitleFontConstant = 2880;
} // namespace

CSelectlanguage::CSelectlanguage(QWidget* parent, WizardHost& host)
    : CWizardPage(kTemplateId, QStringLiteral("%s\\Skin\\Background2.bmp"), parent, host)
{
    for (int id : {kFirstLanguageButton, kSecondLanguageButton}) {
        if (auto* button = Control<QAbstractButton>(id))
            connect(button, &QAbstractButton::clicked, this, [this, button] { ChooseLanguage(*button); });
    }
    InitDialog();
}

void CSelectlanguage::OnInitDialog()
{
    MeasureScreenDpi(this);
    RelayoutForScreen();
    CWndCommonAttr* title = Attr(kTitle);
    if (title)
        title->SetTextFont(kTitleFontConstant / ScreenDpi(), ReadFontFace(), true, true);
    ApplyTitleStyle(title);
    Translate();
    const QString picture = ProgramPath(QStringLiteral("%s\\Skin\\CommonButton.bmp"));
    for (int id : {kFirstLanguageButton, kSecondLanguageButton})
        ApplyButtonStyle(Control<CSkBtn_Pub>(id), false, picture);
}

void CSelectlanguage::ChooseLanguage(const QAbstractButton& button)
{
    Data().language.SetLanguageFile(LanguageFileForCaption(button.text()));
    hide();
    // The frame may replace this page while building the others: nothing
    // of the page is touched after this call.
    Host().LanguageChosen();
}
