#include "CStaticIpDlg.h"

#include "CIpAddressEdit.h"
#include "HouseStyles.h"
#include "StaticIpCheck.h"
#include "WizardData.h"

namespace {
constexpr int kStepNumber = 1174;
constexpr int kTitle = 1073;
constexpr int kLabels[] = {1182, 1074, 1075, 1076, 1077};
} // namespace

CStaticIpDlg::CStaticIpDlg(QWidget* parent, WizardHost& host)
    : CWizardPage(kTemplateId, QStringLiteral("%sSkin\\Background2.bmp"), parent, host)
{
    InitDialog();
}

void CStaticIpDlg::OnInitDialog()
{
    RelayoutForScreen();
    ApplyStepNumberStyle(kStepNumber);
    ApplyTitleStyle(Attr(kTitle));
    for (int id : kLabels)
        ApplyLabelStyle(Attr(id));
    Translate();
}

std::uint32_t CStaticIpDlg::EntryValue(int id) const
{
    const auto* entry = Control<CIpAddressEdit>(id);
    return entry ? entry->Value() : 0;
}

bool CStaticIpDlg::CollectSettings()
{
    const StaticIpEntry entry{EntryValue(kIpAddressEntry), EntryValue(kSubnetMaskEntry), EntryValue(kGatewayEntry),
                              EntryValue(kPrimaryDnsEntry), EntryValue(kSecondaryDnsEntry)};
    return PassedCheck(CollectStaticIpSettings(entry, Data().routerInfo, Data().staticIpInfo));
}
