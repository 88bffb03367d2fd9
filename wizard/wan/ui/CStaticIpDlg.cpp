#include "CStaticIpDlg.h"

#include "CIpAddressEdit.h"
#include "HouseStyles.h"
#include "StaticIpCheck.h"
#include "WizardData.h"

namespace {
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
    ApplyStepNumberStyle();
    ApplyTitleStyle(Attr(kTitle));
    for (int id : kLabels)
        ApplyLabelStyle(Attr(id));
    Translate();
}

bool CStaticIpDlg::CollectSettings()
{
    const StaticIpEntry entry{AddressValue(kIpAddressEntry), AddressValue(kSubnetMaskEntry), AddressValue(kGatewayEntry),
                              AddressValue(kPrimaryDnsEntry), AddressValue(kSecondaryDnsEntry)};
    return PassedCheck(CollectStaticIpSettings(entry, Data().routerInfo, Data().staticIpInfo));
}
