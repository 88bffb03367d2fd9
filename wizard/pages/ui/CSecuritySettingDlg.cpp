#include "CSecuritySettingDlg.h"

#include "CLanguageTable.h"
#include "CSkEdit.h"
#include "HouseStyles.h"
#include "SecurityCheck.h"
#include "SecurityView.h"
#include "TranslateDialog.h"
#include "WizardData.h"

#include <QComboBox>

#include <algorithm>

namespace {
constexpr int kTitle = 1171;
constexpr int kModeLabel = 1131;
constexpr int kNotes[] = {SecurityNote, WepNote};
constexpr int kLabels[] = {kModeLabel,      AuthenticationLabel, KeyFormatLabel, TransmitKeyLabel, WepKeyLabel,
                           CipherLabel,     PassphraseLabel,     PassphraseNote, RenewalTimeLabel, TimeNote};
constexpr int kEdits[] = {WepKeyField, PassphraseField, RenewalTimeField};
} // namespace

CSecuritySettingDlg::CSecuritySettingDlg(QWidget* parent, WizardHost& host)
    : CWizardPage(kTemplateId, QStringLiteral("%sSkin\\Background2.bmp"), parent, host)
{
    InitDialog();
    if (auto* modes = Control<QComboBox>(kModeList))
        connect(modes, &QComboBox::currentIndexChanged, this, &CSecuritySettingDlg::SecurityModeChanged);
}

void CSecuritySettingDlg::OnInitDialog()
{
    RelayoutForScreen();
    StyleControls();
    Translate();
    FillLists();
    SetEditText(RenewalTimeField, QString::fromLatin1(InitialRenewalTime));
    if (auto* renewal = Control<CSkEdit>(RenewalTimeField))
        renewal->setMaxLength(RenewalTimeMaxLength);
    ApplyModeView(SecurityDisabled);
}

void CSecuritySettingDlg::StyleControls()
{
    ApplyStepNumberStyle();
    ApplyTitleStyle(Attr(kTitle));
    for (int id : kNotes)
        ApplyNoteStyle(Attr(id));
    for (int id : kLabels)
        ApplyLabelStyle(Attr(id));
    for (int id : kEdits)
        ApplyEditStyle(Control<CSkEdit>(id));
}

void CSecuritySettingDlg::FillLists()
{
    FillList(kModeList, SecurityModeKeys());
    FillList(AuthenticationList, AuthenticationKeys());
    FillList(KeyFormatList, KeyFormatKeys());
    FillList(TransmitKeyList, TransmitKeyKeys());
    FillList(CipherList, CipherKeys());
}

void CSecuritySettingDlg::FillList(int id, const QStringList& keys)
{
    auto* list = Control<QComboBox>(id);
    if (!list)
        return;
    const QSignalBlocker quiet(list);
    list->clear();
    for (const QString& key : keys)
        list->addItem(Language().GetText(key));
    list->setCurrentIndex(0);
}

void CSecuritySettingDlg::SecurityModeChanged()
{
    ApplyModeView(ListIndex(kModeList));
    update();
}

void CSecuritySettingDlg::ApplyModeView(int mode)
{
    const SecurityModeView view = ViewForSecurityMode(mode);
    for (SecurityControl id : ModeDependentControls()) {
        if (QWidget* control = FindControl(this, id))
            control->setHidden(std::find(view.visible.begin(), view.visible.end(), id) == view.visible.end());
    }
    if (!view.resetsCipherList)
        return;
    FillList(CipherList, CipherKeys());
    if (QWidget* label = FindControl(this, CipherLabel))
        SetControlCaption(label, Language().GetText(view.cipherLabelKey));
    if (QWidget* label = FindControl(this, PassphraseLabel))
        SetControlCaption(label, Language().GetText(view.passphraseLabelKey));
}

bool CSecuritySettingDlg::CollectSettings()
{
    SecurityEntry entry;
    entry.mode = ListIndex(kModeList);
    entry.authenticationIndex = ListIndex(AuthenticationList);
    entry.keyFormatIndex = ListIndex(KeyFormatList);
    entry.transmitKeyIndex = ListIndex(TransmitKeyList);
    entry.wepKey = EditText(WepKeyField);
    entry.cipherIndex = ListIndex(CipherList);
    entry.passphrase = EditText(PassphraseField);
    entry.renewalTime = EditText(RenewalTimeField);
    return PassedCheck(CollectSecuritySettings(entry, Data().securityInfo, Data().wanStatusInfo));
}
