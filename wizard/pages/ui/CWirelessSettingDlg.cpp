#include "CWirelessSettingDlg.h"

#include "CLanguageTable.h"
#include "CSkBtn_ChkRadio.h"
#include "CSkEdit.h"
#include "HouseStyles.h"
#include "WirelessBasicCheck.h"
#include "WizardData.h"

#include <QComboBox>

namespace {
constexpr int kTitle = 1171;
constexpr int kNote = 1203;
constexpr int kLabels[] = {1114, 1115, 1116, 1117};
} // namespace

CWirelessSettingDlg::CWirelessSettingDlg(QWidget* parent, WizardHost& host)
    : CWizardPage(kTemplateId, QStringLiteral("%sSkin\\Background2.bmp"), parent, host)
{
    InitDialog();
}

void CWirelessSettingDlg::OnInitDialog()
{
    RelayoutForScreen();
    StyleControls();
    if (auto* ssid = Control<CSkEdit>(kSsidEdit))
        ssid->setMaxLength(SsidMaxLength);
    Translate();
    ShowDefaults();
}

void CWirelessSettingDlg::StyleControls()
{
    ApplyStepNumberStyle();
    ApplyTitleStyle(Attr(kTitle));
    ApplyNoteStyle(Attr(kNote));
    for (int id : kLabels)
        ApplyLabelStyle(Attr(id));
    ApplyEditStyle(Control<CSkEdit>(kSsidEdit));
    ApplyCheckBoxStyle(Control<CSkBtn_ChkRadio>(kBroadcastBox), QString());
}

void CWirelessSettingDlg::ShowDefaults()
{
    const WirelessEntry defaults = DefaultWirelessEntry(Language());
    SetEditText(kSsidEdit, defaults.ssid);
    if (auto* channels = Control<QComboBox>(kChannelList)) {
        channels->addItems(ChannelTexts());
        channels->setCurrentIndex(defaults.channelIndex);
    }
    if (auto* modes = Control<QComboBox>(kModeList)) {
        for (const QString& key : WirelessModeKeys())
            modes->addItem(Language().GetText(key));
        modes->setCurrentIndex(defaults.modeIndex);
    }
    if (auto* broadcast = Control<CSkBtn_ChkRadio>(kBroadcastBox))
        broadcast->SetCheck(defaults.broadcast);
}

bool CWirelessSettingDlg::CollectSettings()
{
    const auto* broadcast = Control<CSkBtn_ChkRadio>(kBroadcastBox);
    const WirelessEntry entry{EditText(kSsidEdit), ListIndex(kChannelList), ListIndex(kModeList),
                              broadcast && broadcast->GetCheck()};
    return PassedCheck(CollectWirelessSettings(entry, Data().wirelessInfo, Data().wanStatusInfo));
}
