#include "CMacCloneDlg.h"

#include "CSkBtn_Pub.h"
#include "CSkEdit.h"
#include "HouseStyles.h"
#include "MacCloneCheck.h"
#include "WizardData.h"

namespace {
constexpr int kTitle = 1171;
constexpr int kNote = 1168;
constexpr int kMacLabel = 1061;
} // namespace

CMacCloneDlg::CMacCloneDlg(QWidget* parent, WizardHost& host)
    : CWizardPage(kTemplateId, QStringLiteral("%s\\Skin\\Background2.bmp"), parent, host)
{
    if (auto* clone = Control<QAbstractButton>(kCloneButton))
        connect(clone, &QAbstractButton::clicked, this, &CMacCloneDlg::CloneMac);
    if (auto* restore = Control<QAbstractButton>(kRestoreButton))
        connect(restore, &QAbstractButton::clicked, this, &CMacCloneDlg::RestoreMac);
    InitDialog();
}

void CMacCloneDlg::OnInitDialog()
{
    MeasureScreenDpi(this);
    RelayoutForScreen();
    ApplyStepNumberStyle();
    ApplyTitleStyle(Attr(kTitle));
    ApplyNoteStyle(Attr(kNote));
    ApplyLabelStyle(Attr(kMacLabel));
    ApplyEditStyle(Control<CSkEdit>(kMacEdit));
    Translate();
    ApplyButtonStyle(Control<CSkBtn_Pub>(kCloneButton), false, ProgramPath(QStringLiteral("%s\\Skin\\Button_Clone.bmp")));
    ApplyButtonStyle(Control<CSkBtn_Pub>(kRestoreButton), false,
                     ProgramPath(QStringLiteral("%s\\Skin\\Button_Restore.bmp")));
}

void CMacCloneDlg::showEvent(QShowEvent* event)
{
    CWizardPage::showEvent(event);
    ShowStoredWanMac();
}

void CMacCloneDlg::hideEvent(QHideEvent* event)
{
    CWizardPage::hideEvent(event);
    ShowStoredWanMac();
}

void CMacCloneDlg::ShowStoredWanMac()
{
    SetEditText(kMacEdit, MacEditText(Data().macInfo));
}

void CMacCloneDlg::CloneMac()
{
    SetEditText(kMacEdit, ::CloneMac(Data().macInfo));
}

void CMacCloneDlg::RestoreMac()
{
    SetEditText(kMacEdit, ::RestoreMac(Data().macInfo));
}

bool CMacCloneDlg::CollectSettings()
{
    return PassedCheck(CollectMacCloneSettings(EditText(kMacEdit), Data().macInfo, Data().chosenWanMac));
}
