#include "CSelectlanguage.h"

#include "CLanguageTable.h"
#include "CSkBtn_Pub.h"
#include "CWndCommonAttr.h"
#include "HouseStyles.h"
#include "InformationPages.h"
#include "ScreenDpi.h"
#include "WizardData.h"
#include "WizardHost.h"

namespace {
constexpr int kTitle = 1171;
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
    ApplyTitleStyle(Attr(kTitle));
    Translate();
    for (int id : {kFirstLanguageButton, kSecondLanguageButton})
        ApplyButtonStyle(Control<CSkBtn_Pub>(id), false);
}

void CSelectlanguage::ChooseLanguage(const QAbstractButton& button)
{
    Data().language.SetLanguageFile(LanguageFileForCaption(button.text()));
    hide();
    // The frame may replace this page while building the others: nothing
    // of the page is touched after this call.
    Host().LanguageChosen();
}
