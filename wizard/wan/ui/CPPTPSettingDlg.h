// Wizard page 8, shared by PPTP and L2TP: the tunnel server, the account,
// and how the WAN port gets its own address. Only the title tells the two
// types apart.
#pragma once

#include "CWizardPage.h"

#include <cstdint>

class CPPTPSettingDlg : public CWizardPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 188;
    static constexpr int kTitle = 1170;
    static constexpr int kServerEntry = 1118;
    static constexpr int kAccountEdit = 1119;
    static constexpr int kPasswordEdit = 1120;
    static constexpr int kAddressModeList = 1121;
    static constexpr int kWanIpEntry = 1123;
    static constexpr int kWanMaskEntry = 1124;
    static constexpr int kWanGatewayEntry = 1125;

    CPPTPSettingDlg(QWidget* parent, WizardHost& host);

    // The frame names the page "PPTP" or "L2TP" as plain text.
    void SetTitleText(const QString& text);
    // The WAN address entries are usable only with a static address.
    void UpdateAddressFields();
    // Checks the entries and stores them in the PPTP/L2TP record.
    bool CollectSettings() override;

protected:
    void OnInitDialog() override;

private:
    void StyleControls();
    void FillAddressModes();
    int AddressMode() const;
};
