// Wizard page 7: the fixed WAN address, mask, gateway and DNS servers.
#pragma once

#include "CWizardPage.h"

class CStaticIpDlg : public CWizardPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 159;
    static constexpr int kIpAddressEntry = 1030;
    static constexpr int kSubnetMaskEntry = 1031;
    static constexpr int kGatewayEntry = 1032;
    static constexpr int kPrimaryDnsEntry = 1033;
    static constexpr int kSecondaryDnsEntry = 1034;

    CStaticIpDlg(QWidget* parent, WizardHost& host);

    // Checks the entries against the LAN side and stores them in the Static IP record.
    bool CollectSettings() override;

protected:
    void OnInitDialog() override;

private:
};
