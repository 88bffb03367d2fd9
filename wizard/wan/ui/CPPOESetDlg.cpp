#include "CPPOESetDlg.h"

#include "CSkBtn_Pub.h"
#include "CSkEdit.h"
#include "HouseStyles.h"
#include "PppoeCheck.h"
#include "ProgressTask.h"
#include "WizardHost.h"

namespace {
constexpr int kTitle = 1169;
constexpr int kAccountLabel = 1063;
constexpr int kPasswordLabel = 1064;
constexpr int kMaxEntryLength = 50;
} // namespace

CPPOESetDlg::CPPOESetDlg(QWidget* parent, WizardHost& host)
    : CWizardPage(kTemplateId, QStringLiteral("%sSkin\\Background2.bmp"), parent, host)
{
    if (auto* check = Control<QAbstractButton>(kCheckAccountsButton))
        connect(check, &QAbstractButton::clicked, this, &CPPOESetDlg::CheckAccounts);
    InitDialog();
}

void CPPOESetDlg::OnInitDialog()
{
    RelayoutForScreen();
    ApplyStepNumberStyle();
    ApplyTitleStyle(Attr(kTitle));
    ApplyLabelStyle(Attr(kAccountLabel));
    ApplyLabelStyle(Attr(kPasswordLabel));
    for (int id : {kAccountEdit, kPasswordEdit}) {
        auto* edit = Control<CSkEdit>(id);
        ApplyEditStyle(edit);
        if (edit)
            edit->setMaxLength(kMaxEntryLength);
    }
    Translate();
    ApplyButtonStyle(Control<CSkBtn_Pub>(kCheckAccountsButton), false,
                     ProgramPath(QStringLiteral("%s\\Skin\\Button_Clone.bmp")));
}

bool CPPOESetDlg::CollectSettings()
{
    const PppoeEntry entry{EditText(kAccountEdit), EditText(kPasswordEdit)};
    return PassedCheck(CollectPppoeSettings(entry, Data().pppoeInfo));
}

void CPPOESetDlg::CheckAccounts()
{
    if (!CollectSettings())
        return;
    const int result = Host().RunProgressTask(TaskAccountCheck).value_or(0);
    ShowTranslated(AccountCheckMessage(result));
}
