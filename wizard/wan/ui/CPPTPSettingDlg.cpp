#include "CPPTPSettingDlg.h"

#include "CIpAddressEdit.h"
#include "CSkEdit.h"
#include "HouseStyles.h"
#include "PptpCheck.h"
#include "TranslateDialog.h"
#include "WizardData.h"

#include <QComboBox>

namespace {
constexpr int kLabels[] = {1153, 1154, 1155, 1156, 1157, 1158, 1159};
constexpr int kMaxEntryLength = 50;
} // namespace

CPPTPSettingDlg::CPPTPSettingDlg(QWidget* parent, WizardHost& host)
    : CWizardPage(kTemplateId, QStringLiteral("%sSkin\\Background2.bmp"), parent, host)
{
    if (auto* modes = Control<QComboBox>(kAddressModeList))
        connect(modes, &QComboBox::currentIndexChanged, this, &CPPTPSettingDlg::UpdateAddressFields);
    InitDialog();
}

void CPPTPSettingDlg::OnInitDialog()
{
    RelayoutForScreen();
    StyleControls();
    Translate();
    FillAddressModes();
    UpdateAddressFields();
}

void CPPTPSettingDlg::StyleControls()
{
    ApplyStepNumberStyle();
    ApplyTitleStyle(Attr(kTitle));
    for (int id : kLabels)
        ApplyLabelStyle(Attr(id));
    for (int id : {kAccountEdit, kPasswordEdit}) {
        auto* edit = Control<CSkEdit>(id);
        ApplyEditStyle(edit);
        if (edit)
            edit->setMaxLength(kMaxEntryLength);
    }
}

void CPPTPSettingDlg::FillAddressModes()
{
    auto* modes = Control<QComboBox>(kAddressModeList);
    if (!modes)
        return;
    const QSignalBlocker quiet(modes);
    modes->clear();
    modes->addItems(AddressModeTexts(Language()));
    modes->setCurrentIndex(AddressModeDynamic);
}

void CPPTPSettingDlg::SetTitleText(const QString& text)
{
    if (QWidget* title = FindControl(this, kTitle))
        SetControlCaption(title, text);
}

void CPPTPSettingDlg::UpdateAddressFields()
{
    const bool enabled = AreWanAddressFieldsEnabled(AddressMode());
    for (int id : {kWanIpEntry, kWanMaskEntry, kWanGatewayEntry}) {
        if (QWidget* entry = FindControl(this, id))
            entry->setEnabled(enabled);
    }
}

int CPPTPSettingDlg::AddressMode() const
{
    return ListIndex(kAddressModeList, AddressModeDynamic);
}

bool CPPTPSettingDlg::CollectSettings()
{
    const PptpEntry entry{AddressValue(kServerEntry),  EditText(kAccountEdit),   EditText(kPasswordEdit),
                          AddressMode(),             AddressValue(kWanIpEntry), AddressValue(kWanMaskEntry),
                          AddressValue(kWanGatewayEntry)};
    return PassedCheck(CollectPptpSettings(entry, Data().routerInfo, Data().pptpInfo));
}
