#include "CWelcomeDlg.h"

#include "CLanguageTable.h"
#include "CWndCommonAttr.h"
#include "ScreenDpi.h"
#include "SettingsReader.h"

namespace {
constexpr int kGreeting = 1172;
constexpr int kInfo = 1173;
constexpr int kGreetingFontConstant = 1728;
constexpr int kInfoFontConstant = 1152;
} // namespace

CWelcomeDlg::CWelcomeDlg(QWidget* parent, WizardHost& host)
    : CWizardPage(kTemplateId, QString::fromLatin1(kSkinPath), parent, host)
{
    InitDialog();
}

void CWelcomeDlg::OnInitDialog()
{
    RelayoutForScreen();
    const QString face = ReadFontFace();
    if (CWndCommonAttr* greeting = Attr(kGreeting))
        greeting->SetTextFont(kGreetingFontConstant / ScreenDpi(), face, true);
    if (CWndCommonAttr* info = Attr(kInfo))
        info->SetTextFont(kInfoFontConstant / ScreenDpi(), face, true);
    Translate();
}

QString CWelcomeDlg::PictureText() const
{
    return Language().GetText(QStringLiteral(LANG_KEY("Welcome Picture")));
}

void CWelcomeDlg::mouseMoveEvent(QMouseEvent*)
{
}
